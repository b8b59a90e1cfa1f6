#include "support/local_http_server.h"

#include <QTcpSocket>
#include <stdexcept>

using namespace Qt::StringLiterals;

namespace pickora::test {

LocalHttpServer::LocalHttpServer()
{
    if (!server_.listen(QHostAddress::LocalHost, 0))
        throw std::runtime_error("cannot listen on 127.0.0.1");
    connect(&server_, &QTcpServer::newConnection, this, [this] {
        while (QTcpSocket* socket = server_.nextPendingConnection()) {
            connect(socket, &QTcpSocket::readyRead, this, [this, socket] { answer(socket); });
            connect(socket, &QTcpSocket::disconnected, socket, &QObject::deleteLater);
        }
    });
}

QUrl LocalHttpServer::baseUrl() const
{
    return QUrl(u"http://127.0.0.1:%1/"_s.arg(server_.serverPort()));
}

void LocalHttpServer::answer(QTcpSocket* socket)
{
    const QByteArray request = socket->peek(socket->bytesAvailable());
    if (!request.contains("\r\n\r\n"))
        return; // wait for the whole header
    socket->readAll();
    ++requests_;
    const QList<QByteArray> firstLine = request.left(request.indexOf("\r\n")).split(' ');
    const QString path = firstLine.size() > 1 ? QString::fromLatin1(firstLine.at(1)) : QString();
    paths_ << path;
    if (stalled_.contains(path))
        return;
    QByteArray response;
    if (bodies_.contains(path)) {
        const QByteArray& body = bodies_[path];
        response = "HTTP/1.0 200 OK\r\nContent-Length: " + QByteArray::number(body.size())
                   + "\r\nConnection: close\r\n\r\n" + body;
    } else {
        response = "HTTP/1.0 404 Not Found\r\nContent-Length: 0\r\nConnection: close\r\n\r\n";
    }
    socket->write(response);
    socket->disconnectFromHost();
}

} // namespace pickora::test
