#pragma once
// The about window "关于本程序": the program's title and the seven credit lines of 附属/about.txt.

#include <QDialog>
#include <QList>

#include "store/program_folder.h"

class QFrame;
class QLabel;
class QPushButton;

namespace pickora::ui {

class Tfrmabout : public QDialog {
    Q_OBJECT
public:
    explicit Tfrmabout(const ProgramFolder& folder, QWidget* parent = nullptr);

    // lblauthor, lblbanquan, lblweb, lblqq, lblphone1, lblphone2, lblmail, in the file's order.
    const QList<QLabel*>& lineLabels() const { return lines_; }

private:
    void FormCreate(const ProgramFolder& folder);
    void btnextClick();

    QFrame* Shape1;
    QLabel* lbltitle;
    QList<QLabel*> lines_;
    QWidget* Image1;
    QPushButton* btnext;
};

} // namespace pickora::ui
