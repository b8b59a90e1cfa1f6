#include "acquire/draw_download.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QFile>
#include <QFileInfo>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QTimer>
#include <QXmlStreamReader>
#include <exception>

#include "acquire/feed_draws.h"
#include "acquire/list_page_items.h"
#include "acquire/results_sources.h"
#include "acquire/service_settings.h"
#include "store/db_engine.h"
#include "store/lottery_schema.h"
#include "store/text_files.h"

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
        throw db::DbError(u"最后一期的期号不是整数：%1"_s.arg(text));
    return *issue;
}

// Throws unless `bytes` is a well-formed XML document.
void requireXml(const QByteArray& bytes, const QString& host)
{
    QXmlStreamReader xml(bytes);
    while (!xml.atEnd())
        xml.readNext();
    if (xml.hasError())
        throw DownloadError(DownloadError::Kind::Unreadable, host,
                            u"开奖数据不是XML文档：%1"_s.arg(xml.errorString()));
}

QString hostOf(const QUrl& url)
{
    return url.port() > 0 ? u"%1:%2"_s.arg(url.host()).arg(url.port()) : url.host();
}

} // namespace

QString serviceSettingsFile(const ProgramFolder& folder) { return folder.path(u"开奖服务.txt"_s); }

QStringList loadServiceSettings(const ProgramFolder& folder, DownloadState& state)
{
    const ServiceAddresses defaults{state.defaultPageServer.toString().toStdString(),
                                    state.defaultFeedServer.toString().toStdString()};
    state.pageServer = state.defaultPageServer;
    state.feedServer = state.defaultFeedServer;
    const QString path = serviceSettingsFile(folder);
    if (!QFileInfo::exists(path))
        return {};
    QByteArray bytes;
    QString error;
    if (!readWholeFile(path, &bytes, &error))
        return {error};
    const ServiceSettings settings = readServiceSettings(decodeGbkOrUtf8(bytes).toStdString(), defaults);
    state.pageServer = QUrl(QString::fromStdString(settings.addresses.pages));
    state.feedServer = QUrl(QString::fromStdString(settings.addresses.feed));
    QStringList problems;
    for (const std::string& problem : settings.problems)
        problems << QString::fromStdString(problem);
    return problems;
}

bool saveServiceSettings(const ProgramFolder& folder, const DownloadState& state, QString* error)
{
    const ServiceAddresses addresses{state.pageServer.toString().toStdString(),
                                     state.feedServer.toString().toStdString()};
    QString text = QString::fromStdString(serviceSettingsText(addresses));
    text.replace(u'\n', u"\r\n"_s);
    return writeFileAtomically(serviceSettingsFile(folder), encodeGbk(text), error);
}

QUrl serviceUrl(const QUrl& server, const QString& path)
{
    QString base = server.toString();
    while (base.endsWith(u'/'))
        base.chop(1);
    return QUrl(base + path);
}

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

QString outcomeLine(const QString& lottery, const UpdateOutcome& outcome)
{
    switch (outcome.kind) {
    case UpdateOutcome::Kind::Added:
        return u"%1：新增 %2 期"_s.arg(lottery).arg(outcome.added);
    case UpdateOutcome::Kind::Unreachable:
        if (outcome.host.isEmpty())
            return u"%1：无法连接开奖服务（%2）"_s.arg(lottery, outcome.detail);
        return u"%1：无法连接开奖服务 %2（%3）"_s.arg(lottery, outcome.host, outcome.detail);
    case UpdateOutcome::Kind::Unreadable:
        return u"%1：开奖服务 %2 返回的页面无法读取（%3）"_s.arg(lottery, outcome.host, outcome.detail);
    case UpdateOutcome::Kind::NotStored:
        return u"%1：号码没有保存（%2）"_s.arg(lottery, outcome.detail);
    }
    return {};
}

QString downloadReport(const QStringList& lines, bool anyFailed)
{
    QStringList report = lines;
    if (anyFailed)
        report << u"可以用“彩票数据 → 导入开奖号码”从文件或粘贴的文本导入开奖号码，"
                  "或在下载窗口的“服务设置”中改用能连接的开奖服务。"_s;
    report << u"下载完成！"_s;
    return report.join(u'\n');
}

QByteArray fetchUrl(QNetworkAccessManager& network, const QUrl& url, int timeoutMs)
{
    const QString host = hostOf(url);
    if (!url.isValid() || url.host().isEmpty())
        throw DownloadError(DownloadError::Kind::Unreachable, QString(), u"没有服务器地址"_s);
    QNetworkRequest request(url);
    request.setAttribute(QNetworkRequest::RedirectPolicyAttribute,
                         QNetworkRequest::NoLessSafeRedirectPolicy);
    request.setTransferTimeout(timeoutMs);
    QNetworkReply* reply = network.get(request);
    // The whole request, connecting included, ends by the deadline.
    QTimer deadline;
    deadline.setSingleShot(true);
    bool timedOut = false;
    QObject::connect(&deadline, &QTimer::timeout, reply, [reply, &timedOut] {
        timedOut = true;
        reply->abort();
    });
    QEventLoop loop;
    QObject::connect(reply, &QNetworkReply::finished, &loop, &QEventLoop::quit);
    deadline.start(timeoutMs);
    if (!reply->isFinished())
        loop.exec();
    deadline.stop();
    reply->deleteLater();
    const QNetworkReply::NetworkError error = reply->error();
    if (timedOut)
        throw DownloadError(DownloadError::Kind::Unreachable, host,
                            u"%1 秒内没有回应"_s.arg((timeoutMs + 999) / 1000));
    // Codes below 200 are the connection's (and a proxy's); above, the service answered.
    if (error != QNetworkReply::NoError)
        throw DownloadError(error < QNetworkReply::ContentAccessDenied ? DownloadError::Kind::Unreachable
                                                                        : DownloadError::Kind::Unreadable,
                            host, reply->errorString());
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
UpdateOutcome LotteryUpdate::guarded(const ResultSource& source, Fetch fetch)
{
    const QString lottery = fromUtf8(source.lottery);
    if (showTitle_)
        showTitle_(updatingTitle(lottery));
    UpdateOutcome outcome;
    try {
        db::DbConnection connection(u"download"_s);
        connection.open(folder_.databaseFile());
        const QString table = schema::numberTable(lottery);
        const std::int64_t last = lastStoredIssue(connection, table);
        const std::vector<DownloadedDraw> fresh = newDraws(fetch(), last);
        appendDraws(connection, table, fresh);
        outcome.added = static_cast<int>(fresh.size());
    } catch (const DownloadError& e) {
        outcome.kind = e.kind() == DownloadError::Kind::Unreachable ? UpdateOutcome::Kind::Unreachable
                                                                    : UpdateOutcome::Kind::Unreadable;
        outcome.host = e.host();
        outcome.detail = e.message();
    } catch (const db::DbError& e) {
        outcome.kind = UpdateOutcome::Kind::NotStored;
        outcome.detail = e.message();
    } catch (const std::exception& e) {
        outcome.kind = UpdateOutcome::Kind::NotStored;
        outcome.detail = QString::fromLocal8Bit(e.what());
    }
    return outcome;
}

UpdateOutcome LotteryUpdate::fromListPages(const ResultSource& source)
{
    QFile::remove(workingFile());
    return guarded(source, [&] {
        ListPageItems items(source.issueWidth);
        const QDate today = state_.currentDate();
        for (int d = 0; d < kListPageDays; ++d) {
            const QDate day = today.addDays(-d);
            const QString page = fromUtf8(source.listPath)
                                 + QString::fromStdString(listPageDate(day.year(), day.month(), day.day()));
            QFile::remove(workingFile());
            const QByteArray bytes = fetchUrl(*network_, serviceUrl(state_.pageServer, page), state_.timeoutMs);
            QFile file(workingFile());
            if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
                throw db::DbError(u"无法写入文件：%1"_s.arg(workingFile()));
            file.close();
            if (!file.open(QIODevice::ReadOnly))
                throw db::DbError(u"无法读取文件：%1"_s.arg(workingFile()));
            while (!file.atEnd()) {
                const QByteArray line = file.readLine();
                items.addLine(std::string_view(line.constData(), static_cast<std::size_t>(line.size())));
                QCoreApplication::processEvents();
            }
        }
        std::vector<DownloadedDraw> draws = drawsOfItems(items.text(), source.issueWidth);
        if (draws.empty())
            throw DownloadError(DownloadError::Kind::Unreadable, hostOf(state_.pageServer),
                                u"十天的页面里没有读到开奖号码"_s);
        return draws;
    });
}

UpdateOutcome LotteryUpdate::fromFeed(const ResultSource& source)
{
    return guarded(source, [&] {
        const QByteArray feed = fetchUrl(*network_, serviceUrl(state_.feedServer, fromUtf8(source.feedPath)),
                                         state_.timeoutMs);
        const QString host = hostOf(state_.feedServer);
        requireXml(feed, host);
        std::vector<DownloadedDraw> draws =
            drawsOfFeed(std::string_view(feed.constData(), static_cast<std::size_t>(feed.size())),
                        source.feedIssueOffset, source.feedNumbersOffset);
        if (draws.empty())
            throw DownloadError(DownloadError::Kind::Unreadable, host, u"XML中没有读到开奖号码"_s);
        return draws;
    });
}

} // namespace pickora::ui
