#pragma once
// "无穷变幻搜索参数": the settings of "搜索杀号"; created hidden at start-up and kept until exit.

#include <QWidget>
#include <optional>

#include "analysis/trend_search.h"

class QButtonGroup;
class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace pickora::ui {

class Tfrmsercanshu : public QWidget {
    Q_OBJECT
public:
    explicit Tfrmsercanshu(QWidget* parent = nullptr);

    // The settings as whole numbers; nothing (after a message naming the field) when one is not.
    std::optional<SearchSettings> readSettings();
    IndicatorKind indicator() const;

    void optmodeClick();
    void btnokClick() { hide(); }

private:
    QButtonGroup* optmode;
    QLabel* Label2;
    QLineEdit* edtyanxunum;
    QLabel* Label1;
    QCheckBox* chk1;
    QLineEdit* edtnum1;
    QCheckBox* chk2;
    QLineEdit* edtnum2;
    QPushButton* btnok;
};

} // namespace pickora::ui
