#pragma once
// "无穷偏态排除选号": after a streak of high or low big (or odd) counts in the transformed view,
// excludes the candidates whose transformed count lies outside the range the player expects.

#include "exclude/exclusion_window.h"

class QGroupBox;

namespace pickora::ui {

class Tfrmallpiantai : public ExclusionWindow {
    Q_OBJECT
public:
    explicit Tfrmallpiantai(DrawStore& store, QWidget* parent = nullptr);

    void btngenClick() { searchClick(); }
    void optmodeClick();
    bool oddMode() const;

protected:
    std::unique_ptr<ExclusionMember> makeMember(ExclusionBasis basis) override;

private:
    QGroupBox* optmode = nullptr;
    QRadioButton* optbig = nullptr;
    QRadioButton* optodd = nullptr;
    QCheckBox* chkda = nullptr;
    QLineEdit* edtdanum = nullptr;
    QLabel* lblda = nullptr;
    QLineEdit* edtdanum1 = nullptr;
    QLineEdit* edtdanum2 = nullptr;
    QCheckBox* chkxiao = nullptr;
    QLineEdit* edtxiaonum = nullptr;
    QLabel* lblxiao = nullptr;
    QLineEdit* edtxiaonum1 = nullptr;
    QLineEdit* edtxiaonum2 = nullptr;
    QLineEdit* edtyanxunum = nullptr;
};

} // namespace pickora::ui
