#pragma once
// "自动复式搜索": strikes out, over repeated transforms, the number behind the rank absent longest,
// until the wanted count of numbers is left.

#include <QWidget>

class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace pickora {
class DrawStore;
}

namespace pickora::ui {

class TrendModeSwitch;

class Tfrmfushi : public QWidget {
    Q_OBJECT
public:
    Tfrmfushi(DrawStore& store, TrendModeSwitch& trend, QWidget* parent = nullptr);

    bool searching() const;
    // How many transforms the running or last search made.
    int transforms() const { return transforms_; }

    void btnsouClick();
    void btncopyClick();

private:
    void search();

    DrawStore& store_;
    TrendModeSwitch& trend_;
    int transforms_ = 0;

    QLabel* Label1;
    QLineEdit* edtfushicode;
    QCheckBox* chkyilou;
    QLineEdit* edtyilouqishu;
    QLabel* Label2;
    QLabel* lblprogress;
    QLineEdit* edtnum;
    QPushButton* btnsou;
    QPushButton* btncopy;
};

} // namespace pickora::ui
