#include "acquire/draw_download.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QFile>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QTimer>
#include <QXmlStreamReader>
#include <exception>

#include "acquire/feed_draws.h"
#include "acquire/list_page_items.h"
#include "acquire/results_sources.h"
#include "store/db_engine.h"
#include "store/lottery_schema.h"

using namespace Qt::StringLiterals;

namespace pickora::ui {

namespace {

// Today and the nine days before it.
constexpr int kListPageDays = 10;

QString fromUtf8(std::string_view text)
{
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// The first column of the table's last row ordered by issue; 0 for an empty table.
std::int64_t lastStoredIssue(db::DbConnection& connection, const QString& table)
{
    db::RecordSet rows(connection);
    rows.openTable(table, schema::kIssueColumn);
    if (rows.rowCount() == 0)
        return 0;
    rows.last();
    const QString text = rows.text(0);
    const std::optional<std::int64_t> issue = issueValue(trimmed(text.toStdString()));
    if (!issue)
        throw DownloadError(u"最后一期的期号不是整数：%1"_s.arg(text));
    return *issue;
}

// Appends the draws in one transaction: all of them or none.
void appendDraws(const db::DbConnection& connection, const QString& table,
                 const std::vector<DownloadedDraw>& draws)
{
    if (draws.empty())
        return;
    const QString statement =
        u"INSERT INTO %1 (%2, \"1\", \"2\", \"3\", \"4\", \"5\", %3) VALUES (?, ?, ?, ?, ?, ?, ?)"_s.arg(
            db::quoteIdentifier(table), db::quoteIdentifier(schema::kIssueColumn),
            db::quoteIdentifier(schema::kDateColumn));
    connection.beginTransaction();
    try {
        for (const DownloadedDraw& d : draws)
            connection.exec(statement, {QString::fromStdString(d.issue), d.numbers[0], d.numbers[1],
                                        d.numbers[2], d.numbers[3], d.numbers[4],
                                        QString::fromStdString(d.date)});
        connection.commit();
    } catch (...) {
        try {
            connection.rollback();
        } catch (const db::DbError&) {
        }
        throw;
    }
}

// Throws unless `bytes` is a well-formed XML document.
void requireXml(const QByteArray& bytes)
{
    QXmlStreamReader xml(bytes);
    while (!xml.atEnd())
        xml.readNext();
    if (xml.hasError())
        throw DownloadError(u"开奖数据不是XML文档：%1"_s.arg(xml.errorString()));
}

} // namespace

QByteArray fetchUrl(QNetworkAccessManager& network, const QUrl& url, int timeoutMs)
{
    if (!url.isValid() || url.host().isEmpty())
        throw DownloadError(u"没有服务器地址。"_s);
    QNetworkRequest request(url);
    request.setAttribute(QNetworkRequest::RedirectPolicyAttribute,
                         QNetworkRequest::NoLessSafeRedirectPolicy);
    request.setTransferTimeout(timeoutMs);
    QNetworkReply* reply = network.get(request);
    // The whole request, connecting included, ends by the deadline.
    QTimer deadline;
    deadline.setSingleShot(true);
    QObject::connect(&deadline, &QTimer::timeout, reply, &QNetworkReply::abort);
    QEventLoop loop;
    QObject::connect(reply, &QNetworkReply::finished, &loop, &QEventLoop::quit);
    deadline.start(timeoutMs);
    if (!reply->isFinished())
        loop.exec();
    deadline.stop();
    reply->deleteLater();
    if (reply->error() != QNetworkReply::NoError)
        throw DownloadError(reply->errorString());
    return reply->readAll();
}

QString updatingTitle(const QString& lottery) { return u"正在更新"_s + lottery + u"。。。"_s; }

LotteryUpdate::LotteryUpdate(ProgramFolder folder, const DownloadState& state,
                             std::function<void(const QString&)> showTitle)
    : folder_(std::move(folder)), state_(state), showTitle_(std::move(showTitle)),
      network_(std::make_unique<QNetworkAccessManager>())
{
}

LotteryUpdate::~LotteryUpdate() = default;

QString LotteryUpdate::workingFile() const { return folder_.path(u"号码.txt"_s); }

template <typename Fetch>
bool LotteryUpdate::guarded(const ResultSource& source, Fetch fetch)
{
    const QString lottery = fromUtf8(source.lottery);
    if (showTitle_)
        showTitle_(updatingTitle(lottery));
    try {
        db::DbConnection connection(u"download"_s);
        connection.open(folder_.databaseFile());
        const QString table = schema::numberTable(lottery);
        const std::int64_t last = lastStoredIssue(connection, table);
        appendDraws(connection, table, newDraws(fetch(), last));
        return true;
    } catch (const DownloadError&) {
    } catch (const db::DbError&) {
    } catch (const std::exception&) {
    }
    return false;
}

bool LotteryUpdate::fromListPages(const ResultSource& source)
{
    QFile::remove(workingFile());
    return guarded(source, [&] {
        ListPageItems items(source.issueWidth);
        const QDate today = state_.currentDate();
        for (int d = 0; d < kListPageDays; ++d) {
            const QDate day = today.addDays(-d);
            const QUrl page(fromUtf8(source.listPath)
                            + QString::fromStdString(listPageDate(day.year(), day.month(), day.day())));
            QFile::remove(workingFile());
            const QByteArray bytes = fetchUrl(*network_, state_.pageServer.resolved(page), state_.timeoutMs);
            QFile file(workingFile());
            if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
                throw DownloadError(u"无法写入文件：%1"_s.arg(workingFile()));
            file.close();
            if (!file.open(QIODevice::ReadOnly))
                throw DownloadError(u"无法读取文件：%1"_s.arg(workingFile()));
            while (!file.atEnd()) {
                const QByteArray line = file.readLine();
                items.addLine(std::string_view(line.constData(), static_cast<std::size_t>(line.size())));
                QCoreApplication::processEvents();
            }
        }
        return drawsOfItems(items.text(), source.issueWidth);
    });
}

bool LotteryUpdate::fromFeed(const ResultSource& source)
{
    return guarded(source, [&] {
        const QByteArray feed = fetchUrl(*network_, state_.feedServer.resolved(QUrl(fromUtf8(source.feedPath))),
                                         state_.timeoutMs);
        requireXml(feed);
        return drawsOfFeed(std::string_view(feed.constData(), static_cast<std::size_t>(feed.size())),
                           source.feedIssueOffset, source.feedNumbersOffset);
    });
}

} // namespace pickora::ui
