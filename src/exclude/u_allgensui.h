#pragma once
// "无穷历史跟随排除选号": excludes the candidates whose follow number is extreme, on the stored
// draws ("常规") or on a history transformed anew every pass ("变幻"); shows the follow number
// of every draw.

#include "exclude/exclusion_window.h"

class QGroupBox;
class QTabWidget;

namespace pickora::ui {

class Tfrmallgensui : public ExclusionWindow {
    Q_OBJECT
public:
    explicit Tfrmallgensui(DrawStore& store, QWidget* parent = nullptr);

    void btnfiltClick() { searchClick(); }
    void btntongjiClick();
    void optmodeClick();
    bool transformedMode() const;
    FollowSettings settings() const;

protected:
    std::unique_ptr<ExclusionMember> makeMember(ExclusionBasis basis) override;
    void afterSearch() override;

private:
    QGroupBox* radioGroup(const QString& name, const QString& first, const QString& second);
    bool secondChosen(const QGroupBox* group) const;
    void showStatistics(const std::vector<Draw>& shown);

    QTabWidget* page = nullptr;
    QGroupBox* opttype1 = nullptr;
    QGroupBox* opttype2 = nullptr;
    QGroupBox* opttype3 = nullptr;
    QGroupBox* opttype4 = nullptr;
    QGroupBox* optmode = nullptr;
    QComboBox* comhei1 = nullptr;
    QComboBox* comhei2 = nullptr;
    QLineEdit* edthuishu = nullptr;
    QPushButton* btntongji = nullptr;
};

} // namespace pickora::ui
