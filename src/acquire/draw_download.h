#pragma once
// Fetching the results services and appending their new draws to the lotteries' number tables:
// one lottery at a time, each inside its own guard.

#include <QByteArray>
#include <QDate>
#include <QString>
#include <QUrl>
#include <functional>
#include <memory>

#include "store/program_folder.h"

class QNetworkAccessManager;

namespace pickora {
struct ResultSource;
}

namespace pickora::ui {

// The downloads' program-wide state, owned by the main window. The program sets the two servers
// (`web::resultsPageServer()`, `web::resultsFeedServer()`); tests point them at a local server.
struct DownloadState {
    static constexpr int kRequestTimeoutMs = 15000;

    QUrl pageServer;               // the list pages
    QUrl feedServer;               // the newest-results feed
    std::function<QDate()> today;  // empty: the system clock
    int timeoutMs = kRequestTimeoutMs;
    // Set after the first list-page download of the run: the quick download then reads the feed.
    bool firstDownloadDone = false;

    QDate currentDate() const { return today ? today() : QDate::currentDate(); }
};

class DownloadError {
public:
    explicit DownloadError(QString message) : message_(std::move(message)) {}
    const QString& message() const { return message_; }

private:
    QString message_;
};

// A GET of `url` that follows redirects and gives up after `timeoutMs`. It waits in a local event
// loop, so windows keep painting meanwhile. Throws DownloadError on any failure (no address,
// refused, timed out, an error status).
QByteArray fetchUrl(QNetworkAccessManager& network, const QUrl& url, int timeoutMs);

// "正在更新" + lottery + "。。。"
QString updatingTitle(const QString& lottery);

class LotteryUpdate {
public:
    // `showTitle` receives the title of each lottery as its update starts.
    LotteryUpdate(ProgramFolder folder, const DownloadState& state,
                  std::function<void(const QString& title)> showTitle);
    ~LotteryUpdate();

    // The page file "号码.txt" in the program folder: each list page passes through it.
    QString workingFile() const;

    // Updates one lottery from the list pages of the last ten days, or from the feed. Any failure
    // ends the update and leaves the table as it was; returns whether it completed.
    bool fromListPages(const ResultSource& source);
    bool fromFeed(const ResultSource& source);

private:
    template <typename Fetch>
    bool guarded(const ResultSource& source, Fetch fetch);

    ProgramFolder folder_;
    const DownloadState& state_;
    std::function<void(const QString&)> showTitle_;
    std::unique_ptr<QNetworkAccessManager> network_;
};

} // namespace pickora::ui
