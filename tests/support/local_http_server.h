#pragma once
// A tiny HTTP/1.0 server on 127.0.0.1 for tests: serves fixed bodies by path, 404 otherwise.

#include <QByteArray>
#include <QMap>
#include <QTcpServer>
#include <QUrl>

namespace pickora::test {

class LocalHttpServer : public QObject {
public:
    LocalHttpServer();
    // The body served for `path` (for example "/guanggao.gif").
    void serve(const QString& path, const QByteArray& body) { bodies_[path] = body; }
    QUrl baseUrl() const;
    int requestCount() const { return requests_; }

private:
    void answer(QTcpSocket* socket);

    QTcpServer server_;
    QMap<QString, QByteArray> bodies_;
    int requests_ = 0;
};

} // namespace pickora::test
