#pragma once
// The catalogue "彩票操作": lists the lotteries of the database, shows the stored definition of the
// one selected, chooses 前三/中三/后三 and opens the lottery.

#include <QDialog>
#include <QList>

class QButtonGroup;
class QCheckBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QListWidgetItem;
class QPushButton;

namespace pickora {
class DrawStore;
}

namespace pickora::ui {

class Tfrmindex : public QDialog {
    Q_OBJECT
public:
    Tfrmindex(DrawStore& store, QWidget* parent = nullptr);

    // The weekday boxes "1".."7" inside grpweek.
    const QList<QCheckBox*>& weekdayBoxes() const { return weekdays_; }
    bool opened() const { return opened_; }

    void lstcaipiaoClick();
    void btnopenClick();

signals:
    // The store holds the opened lottery; `positionText` is the chosen item ("中三").
    void lotteryOpened(const QString& positionText);

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    void FormCreate();
    void fillLotteryList();
    void placeWeekdayBoxes();
    void optposClick(int index);
    void btnextClick();

    DrawStore& store_;
    bool opened_ = false;

    QLabel* Label1;
    QListWidget* lstcaipiao;
    QLabel* Label2;
    QLineEdit* edtcainame;
    QGroupBox* optcaitype;
    QButtonGroup* caitypeButtons;
    QGroupBox* optpos;
    QButtonGroup* posButtons;
    QLabel* Label4;
    QLineEdit* edtcaisum;
    QLabel* Label5;
    QLineEdit* edtcaisel;
    QLabel* Label6;
    QLineEdit* edtcaitime;
    QGroupBox* grpweek;
    QList<QCheckBox*> weekdays_;
    QPushButton* btnadd;
    QPushButton* btndel;
    QPushButton* btnopen;
    QPushButton* btnext;
};

} // namespace pickora::ui
