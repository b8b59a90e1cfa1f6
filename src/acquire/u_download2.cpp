#include "acquire/u_download2.h"

#include <QComboBox>
#include <QLabel>
#include <QPushButton>

#include "acquire/draw_download.h"
#include "acquire/results_sources.h"
#include "acquire/u_services.h"
#include "widgets/dialogs.h"

using namespace Qt::StringLiterals;

namespace pickora::ui {

namespace {

const QString kAllLotteries = u"所有彩票"_s;

} // namespace

void setDownloadWindowLook(QDialog* window)
{
    window->setWindowFlag(Qt::FramelessWindowHint);
    window->setWindowTitle(u"数据下载"_s);
    window->setFixedSize(354, 74);
    QPalette palette = window->palette();
    palette.setColor(QPalette::Window, QColor(0x00, 0x80, 0x00));
    window->setPalette(palette);
    window->setAutoFillBackground(true);
}

Tfrmdownload2::Tfrmdownload2(ProgramFolder folder, DownloadState& downloads, QWidget* parent)
    : QDialog(parent), folder_(std::move(folder)), downloads_(downloads)
{
    setObjectName(u"Tfrmdownload2"_s);
    setDownloadWindowLook(this);

    lbltishi = new QLabel(u"选择彩票："_s, this);
    lbltishi->setObjectName(u"lbltishi"_s);
    lbltishi->setGeometry(12, 11, 72, 24);

    comdown = new QComboBox(this);
    comdown->setObjectName(u"comdown"_s);
    comdown->addItems({kAllLotteries, u"重庆体彩11选5"_s, u"广东体彩11选5"_s, u"江西体彩11选5"_s,
                       u"山东体彩11选5"_s});
    comdown->setCurrentIndex(0);
    comdown->setGeometry(86, 11, 256, 24);

    btndown = new QPushButton(u"开始下载"_s, this);
    btndown->setObjectName(u"btndown"_s);
    btndown->setGeometry(170, 42, 80, 24);
    btndown->setDefault(true);
    connect(btndown, &QPushButton::clicked, this, [this] { btndownClick(); });

    btnclose = new QPushButton(u"退出"_s, this);
    btnclose->setObjectName(u"btnclose"_s);
    btnclose->setGeometry(262, 42, 80, 24);
    btnclose->setAutoDefault(false);
    connect(btnclose, &QPushButton::clicked, this, [this] { btncloseClick(); });

    // The results services' addresses (a small dialog of its own).
    btnservices = new QPushButton(u"服务设置"_s, this);
    btnservices->setObjectName(u"btnservices"_s);
    btnservices->setGeometry(12, 42, 80, 24);
    btnservices->setAutoDefault(false);
    connect(btnservices, &QPushButton::clicked, this, [this] { btnservicesClick(); });

    lbltitle = new QLabel(this);
    lbltitle->setObjectName(u"lbltitle"_s);
    lbltitle->setGeometry(0, 0, width(), height());
    lbltitle->setAlignment(Qt::AlignCenter);
    lbltitle->hide();
}

void Tfrmdownload2::btndownClick()
{
    if (downloading_)
        return;
    downloading_ = true;
    const QString chosen = comdown->currentText();
    for (QWidget* control : std::initializer_list<QWidget*>{btndown, btnclose, comdown, lbltishi, btnservices})
        control->hide();
    lbltitle->show();
    repaint();

    LotteryUpdate update(folder_, downloads_, [this](const QString& title) {
        lbltitle->setText(title);
        lbltitle->repaint();
    });
    log_.clear();
    bool anyFailed = false;
    for (const ResultSource& source : resultSources()) {
        const QString lottery = QString::fromUtf8(source.lottery.data(),
                                                  static_cast<qsizetype>(source.lottery.size()));
        if (chosen == kAllLotteries || chosen == lottery) {
            const UpdateOutcome outcome = update.fromListPages(source);
            anyFailed = anyFailed || !outcome.succeeded();
            log_ << outcomeLine(lottery, outcome);
        }
    }

    downloading_ = false;
    QWidget* owner = parentWidget();
    done(Accepted);
    downloads_.firstDownloadDone = true;
    const QString report = downloadReport(log_, anyFailed);
    if (anyFailed)
        dialogs::warning(owner, report);
    else
        dialogs::information(owner, report);
}

void Tfrmdownload2::btnservicesClick()
{
    Tfrmservices dialog(folder_, downloads_, this);
    dialog.exec();
}

void Tfrmdownload2::btncloseClick() { done(Rejected); }

void Tfrmdownload2::reject()
{
    if (!downloading_)
        QDialog::reject();
}

} // namespace pickora::ui
