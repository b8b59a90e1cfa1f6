#pragma once
// "数据下载": fetches the new draws of one lottery or of all four from the list pages of the
// last ten days. Opened modally by the menu "数据下载(&D)" with no lottery open.

#include <QDialog>
#include <QStringList>

#include "store/program_folder.h"

class QComboBox;
class QLabel;
class QPushButton;

namespace pickora::ui {

struct DownloadState;

// Borderless, green, 354 × 74, captioned "数据下载": the look of both download windows.
void setDownloadWindowLook(QDialog* window);

class Tfrmdownload2 : public QDialog {
    Q_OBJECT
public:
    Tfrmdownload2(ProgramFolder folder, DownloadState& downloads, QWidget* parent = nullptr);

    bool downloading() const { return downloading_; }
    // One line per lottery of the last download: draws added, or why none could be.
    const QStringList& outcomeLog() const { return log_; }

    // Handlers.
    void btndownClick();
    void btncloseClick();
    void btnservicesClick();

public slots:
    // Refused while the pages are fetched.
    void reject() override;

private:
    ProgramFolder folder_;
    DownloadState& downloads_;
    bool downloading_ = false;
    QStringList log_;

    QLabel* lbltishi;
    QComboBox* comdown;
    QPushButton* btndown;
    QPushButton* btnclose;
    QPushButton* btnservices;
    QLabel* lbltitle;
};

} // namespace pickora::ui
