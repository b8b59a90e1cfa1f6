#pragma once
// Fetching the results services and appending their new draws to the lotteries' number tables:
// one lottery at a time, each inside its own guard.

#include <QByteArray>
#include <QDate>
#include <QString>
#include <QUrl>
#include <QStringList>
#include <functional>
#include <memory>
#include <vector>

#include "store/program_folder.h"

class QNetworkAccessManager;

namespace pickora {
struct DownloadedDraw;
struct ResultSource;
namespace db {
class DbConnection;
}
}

namespace pickora::ui {

// The downloads' program-wide state, owned by the main window. The program sets the two servers
// (`web::resultsPageServer()`, `web::resultsFeedServer()`); tests point them at a local server.
struct DownloadState {
    static constexpr int kRequestTimeoutMs = 15000;

    QUrl pageServer;               // the list pages
    QUrl feedServer;               // the newest-results feed
    // What "默认地址" of the services dialog restores (the program's built-in placeholders).
    QUrl defaultPageServer;
    QUrl defaultFeedServer;
    std::function<QDate()> today;  // empty: the system clock
    int timeoutMs = kRequestTimeoutMs;
    // Set after the first list-page download of the run: the quick download then reads the feed.
    bool firstDownloadDone = false;

    QDate currentDate() const { return today ? today() : QDate::currentDate(); }
};

// "开奖服务.txt" in the program folder: the addresses of the two results services.
QString serviceSettingsFile(const ProgramFolder& folder);
// Sets the servers from the settings file; a missing file, key or a bad address leaves the
// default. Returns what was wrong with the file, one line each (empty when nothing).
QStringList loadServiceSettings(const ProgramFolder& folder, DownloadState& state);
// Writes the servers to the settings file (GBK, CR LF, written whole or not at all).
bool saveServiceSettings(const ProgramFolder& folder, const DownloadState& state, QString* error);

class DownloadError {
public:
    enum class Kind {
        Unreachable, // no connection to the service (no address, refused, not found, timed out)
        Unreadable   // the service answered, but not with something the reader can use
    };
    DownloadError(Kind kind, QString host, QString message)
        : kind_(kind), host_(std::move(host)), message_(std::move(message)) {}
    Kind kind() const { return kind_; }
    const QString& host() const { return host_; }
    const QString& message() const { return message_; }

private:
    Kind kind_;
    QString host_;
    QString message_;
};

// A GET of `url` that follows redirects and gives up after `timeoutMs`. It waits in a local event
// loop, so windows keep painting meanwhile. Throws DownloadError on any failure (no address,
// refused, timed out, an error status).
QByteArray fetchUrl(QNetworkAccessManager& network, const QUrl& url, int timeoutMs);

// A service path ("/lottery/draw/list/23?d=...") under a server address, which may have a path
// of its own ("https://mirror.example/11x5/").
QUrl serviceUrl(const QUrl& server, const QString& path);

// Appends draws to a number table in one transaction: all of them or none. Throws db::DbError.
void appendDraws(const db::DbConnection& connection, const QString& table,
                 const std::vector<DownloadedDraw>& draws);

// "正在更新" + lottery + "。。。"
QString updatingTitle(const QString& lottery);

// How one lottery's update ended.
struct UpdateOutcome {
    enum class Kind { Added, Unreachable, Unreadable, NotStored };
    Kind kind = Kind::Added;
    int added = 0;   // draws appended
    QString host;    // the service, when it failed
    QString detail;  // the error's own text

    bool succeeded() const { return kind == Kind::Added; }
};

// One line of the download's report: "广东体彩11选5：新增 3 期", "广东体彩11选5：无法连接开奖服务 …".
QString outcomeLine(const QString& lottery, const UpdateOutcome& outcome);
// The final message: the lottery lines, a pointer to the import when something failed, and
// "下载完成！" last.
QString downloadReport(const QStringList& lines, bool anyFailed);

class LotteryUpdate {
public:
    // `showTitle` receives the title of each lottery as its update starts.
    LotteryUpdate(ProgramFolder folder, const DownloadState& state,
                  std::function<void(const QString& title)> showTitle);
    ~LotteryUpdate();

    // The page file "号码.txt" in the program folder: each list page passes through it.
    QString workingFile() const;

    // Updates one lottery from the list pages of the last ten days, or from the feed. Any failure
    // ends the update and leaves the table as it was; the outcome says how it ended.
    UpdateOutcome fromListPages(const ResultSource& source);
    UpdateOutcome fromFeed(const ResultSource& source);

private:
    template <typename Fetch>
    UpdateOutcome guarded(const ResultSource& source, Fetch fetch);

    ProgramFolder folder_;
    const DownloadState& state_;
    std::function<void(const QString&)> showTitle_;
    std::unique_ptr<QNetworkAccessManager> network_;
};

} // namespace pickora::ui
