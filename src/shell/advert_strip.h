#pragma once
// The advertisement strip: "guanggao.gif" and "ggurl.txt" fetched from the maker's server in the
// background; any failure hides the strip, and start-up never waits for it.

#include <QString>
#include <QUrl>
#include <QWidget>

class QLabel;
class QMovie;
class QNetworkAccessManager;
class QNetworkReply;
class QToolButton;

namespace pickora::ui {

class AdvertStrip : public QWidget {
    Q_OBJECT
public:
    AdvertStrip(QString programFolder, QWidget* parent = nullptr);

    // Starts the fetches from `server`; an empty address hides the strip at once.
    void start(const QUrl& server);
    // Fetches give up after this long.
    static constexpr int kTimeoutMs = 5000;

signals:
    void finished(bool shown);

private:
    void imggifClick();
    void pancloseClick();
    void pictureFetched(QNetworkReply* reply);
    void linkFetched(QNetworkReply* reply);
    void fail();
    QNetworkReply* get(const QString& file);

    QString pictureFile_;
    QUrl server_;
    QLabel* imggif_;
    QToolButton* panclose_;
    QMovie* movie_ = nullptr;
    QNetworkAccessManager* network_ = nullptr;
};

} // namespace pickora::ui
