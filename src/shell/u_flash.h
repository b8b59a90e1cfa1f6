#pragma once
// The splash window shown first at start: the picture 图片/flash.jpg, the title and the credit
// lines of 附属/flash.txt; it closes itself on its fifth one-second tick.

#include <QDialog>
#include <QImage>

#include "store/program_folder.h"

class QLabel;

namespace pickora::ui {

class TickSource;

class Tfrmflash : public QDialog {
    Q_OBJECT
public:
    // `ticks` (owned by the caller) drives the closing; without one the splash counts seconds.
    explicit Tfrmflash(const ProgramFolder& folder, TickSource* ticks = nullptr,
                       QWidget* parent = nullptr);

    static constexpr int kTicksShown = 5;
    bool hasPicture() const { return !picture_.isNull(); }
    int ticksSeen() const { return ticks_; }

protected:
    void showEvent(QShowEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    void FormCreate(const ProgramFolder& folder);
    void Timer1Timer();

    TickSource* timer_;
    int ticks_ = 0;
    QImage picture_;

    QLabel* lbltitle;
    QLabel* lblshiyong;
    QLabel* lblchuping;
    QLabel* lblweb;
    QLabel* lblqq;
    QLabel* lblmail;
    QLabel* lblphone;
};

} // namespace pickora::ui
