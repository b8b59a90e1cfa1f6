#pragma once
// "开奖服务设置": the addresses of the two results services, reached from the download window.
// A bad address is refused with the reason; good ones take effect at once and are written to
// the settings file in the program folder.

#include <QDialog>

#include "store/program_folder.h"

class QLabel;
class QLineEdit;
class QPushButton;

namespace pickora::ui {

struct DownloadState;

class Tfrmservices : public QDialog {
    Q_OBJECT
public:
    Tfrmservices(ProgramFolder folder, DownloadState& downloads, QWidget* parent = nullptr);

    // Handlers.
    void btnokClick();
    void btndefaultClick();

private:
    ProgramFolder folder_;
    DownloadState& downloads_;

    QLabel* lblpages;
    QLineEdit* edtpages;
    QLabel* lblfeed;
    QLineEdit* edtfeed;
    QLabel* lblfile;
    QPushButton* btndefault;
    QPushButton* btnok;
    QPushButton* btncancel;
};

} // namespace pickora::ui
