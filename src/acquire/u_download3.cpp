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
    UpdateOutcome outcome;
    if (!downloads_.firstDownloadDone) {
        if (source)
            outcome = update.fromListPages(*source);
        downloads_.firstDownloadDone = true;
    } else if (source) {
        outcome = update.fromFeed(*source);
    }
    QStringList lines;
    if (source)
        lines << outcomeLine(lottery_, outcome);
    else if (!lottery_.isEmpty())
        lines << u"%1：数据下载不提供这个彩票的开奖号码"_s.arg(lottery_);
    const bool failed = !outcome.succeeded() || (!source && !lottery_.isEmpty());
    if (failed)
        dialogs::warning(this, downloadReport(lines, true));
    else
        dialogs::information(this, downloadReport(lines, false));
    done(Accepted);
}

} // namespace pickora::ui
