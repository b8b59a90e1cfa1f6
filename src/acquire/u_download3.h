#pragma once
// The quick download of the quick draw: one second after it opens it updates the lottery last
// opened (from the list pages the first time in a run, from the newest-results feed after a
// list-page download) and closes itself.

#include <QDialog>

#include "store/program_folder.h"

class QLabel;
class QTimer;

namespace pickora::ui {

struct DownloadState;

class Tfrmdownload3 : public QDialog {
    Q_OBJECT
public:
    Tfrmdownload3(ProgramFolder folder, DownloadState& downloads, QString lottery,
                  QWidget* parent = nullptr);

    // Handler of the one-second timer.
    void Timer1Timer();

public slots:
    // The window closes itself when its work is done.
    void reject() override {}

private:
    ProgramFolder folder_;
    DownloadState& downloads_;
    QString lottery_;

    QLabel* lbltitle;
    QTimer* Timer1;
};

} // namespace pickora::ui
