#include "acquire/u_download3.h"

#include <QLabel>
#include <QTimer>

#include "acquire/draw_download.h"
#include "acquire/results_sources.h"
#include "acquire/u_download2.h"
#include "widgets/dialogs.h"

using namespace Qt::StringLiterals;

namespace pickora::ui {

Tfrmdownload3::Tfrmdownload3(ProgramFolder folder, DownloadState& downloads, QString lottery,
                             QWidget* parent)
    : QDialog(parent), folder_(std::move(folder)), downloads_(downloads), lottery_(std::move(lottery))
{
    setObjectName(u"Tfrmdownload3"_s);
    setDownloadWindowLook(this);
    setWindowFlag(Qt::WindowStaysOnTopHint);

    lbltitle = new QLabel(updatingTitle(lottery_), this);
    lbltitle->setObjectName(u"lbltitle"_s);
    lbltitle->hide();

    Timer1 = new QTimer(this);
    Timer1->setObjectName(u"Timer1"_s);
    Timer1->setInterval(1000);
    connect(Timer1, &QTimer::timeout, this, [this] { Timer1Timer(); });
    Timer1->start();
}

void Tfrmdownload3::Timer1Timer()
{
    Timer1->stop();
    lbltitle->setGeometry(0, 0, width(), height());
    lbltitle->setAlignment(Qt::AlignCenter);
    lbltitle->show();
    repaint();

    LotteryUpdate update(folder_, downloads_, [this](const QString& title) {
        lbltitle->setText(title);
        lbltitle->repaint();
    });
    const ResultSource* source = findResultSource(lottery_.toStdString());
    if (!downloads_.firstDownloadDone) {
        if (source)
            update.fromListPages(*source);
        downloads_.firstDownloadDone = true;
    } else if (source) {
        update.fromFeed(*source);
    }
    dialogs::information(this, u"下载完成！"_s);
    done(Accepted);
}

} // namespace pickora::ui
