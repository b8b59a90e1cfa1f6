#pragma once
// A tiny HTTP/1.0 server on 127.0.0.1 for tests: serves fixed bodies by path, 404 otherwise, and
// can leave chosen requests unanswered.

#include <QByteArray>
#include <QMap>
#include <QStringList>
#include <QTcpServer>
#include <QUrl>

namespace pickora::test {

class LocalHttpServer : public QObject {
public:
    LocalHttpServer();
    // The body served for `path`, the whole request target with any query string (for example
    // "/guanggao.gif" or "/list?d=2010-06-12").
    void serve(const QString& path, const QByteArray& body) { bodies_[path] = body; }
    // Requests for `path` are read but never answered.
    void stall(const QString& path) { stalled_ << path; }
    QUrl baseUrl() const;
    int requestCount() const { return requests_; }
    // The request targets in the order they arrived.
    const QStringList& requestedPaths() const { return paths_; }

private:
    void answer(QTcpSocket* socket);

    QTcpServer server_;
    QMap<QString, QByteArray> bodies_;
    QStringList stalled_;
    QStringList paths_;
    int requests_ = 0;
};

} // namespace pickora::test
