#include "LocalHttpServer.h"

#include <QHostAddress>
#include <QTcpSocket>
#include <QTimer>

#include <memory>

namespace {

// Requests are small; anything longer is not a test's request.
constexpr int kMaxRequestHead = 64 * 1024;
// The server keeps about this much queued per connection, so large bodies
// stream instead of being copied into the socket at once.
constexpr qint64 kChunk = 256 * 1024;

QByteArray head(const LocalHttpServer::Response &response)
{
    QByteArray text = "HTTP/1.1 " + QByteArray::number(response.status) + ' ' + response.reason + "\r\n";
    for (const auto &header : response.headers)
        text += header.first + ": " + header.second + "\r\n";
    if (response.sendLength)
        text += "Content-Length: " + QByteArray::number(response.body.size()) + "\r\n";
    return text + "Connection: close\r\n\r\n";
}

// Writes one answer and keeps the socket's queue short while the body goes.
struct Transfer
{
    QTcpSocket *socket;
    LocalHttpServer::Response response;
    qint64 sent = 0;
    bool started = false;
    bool bodyDue = false;

    qint64 end() const
    {
        const qint64 size = response.body.size();
        return response.sendOnly >= 0 ? qMin(response.sendOnly, size) : size;
    }

    void pump()
    {
        if (!bodyDue)
            return;
        while (sent < end() && socket->bytesToWrite() < kChunk) {
            const qint64 length = qMin(kChunk, end() - sent);
            socket->write(response.body.constData() + sent, length);
            sent += length;
        }
        const bool stall = response.sendOnly >= 0 && !response.hangUp;
        if (sent == end() && !stall && socket->state() == QAbstractSocket::ConnectedState)
            socket->disconnectFromHost(); // after the queue has gone out
    }
};

} // namespace

LocalHttpServer::Response LocalHttpServer::ok(const QByteArray &body)
{
    Response response;
    response.body = body;
    return response;
}

LocalHttpServer::Response LocalHttpServer::redirect(const QByteArray &location, int status)
{
    Response response;
    response.status = status;
    response.reason = "Moved";
    response.headers.append({"Location", location});
    response.body = "<a href=\"" + location + "\">moved</a>";
    return response;
}

LocalHttpServer::LocalHttpServer(QObject *parent)
    : QTcpServer(parent)
{
}

bool LocalHttpServer::start()
{
    return listen(QHostAddress::LocalHost, 0);
}

void LocalHttpServer::route(const QByteArray &path, const Response &response)
{
    m_routes.insert(path, response);
}

QUrl LocalHttpServer::url(const QString &pathAndQuery) const
{
    return QUrl(QStringLiteral("http://127.0.0.1:%1%2").arg(serverPort()).arg(pathAndQuery));
}

void LocalHttpServer::incomingConnection(qintptr descriptor)
{
    auto *socket = new QTcpSocket(this);
    if (!socket->setSocketDescriptor(descriptor)) {
        delete socket;
        return;
    }
    connect(socket, &QAbstractSocket::disconnected, socket, &QObject::deleteLater);
    serve(socket);
}

void LocalHttpServer::serve(QTcpSocket *socket)
{
    auto request = std::make_shared<QByteArray>();
    auto transfer = std::make_shared<Transfer>(Transfer{socket, {}});
    connect(socket, &QIODevice::readyRead, socket, [this, socket, request, transfer] {
        if (transfer->started) {
            socket->readAll();
            return;
        }
        *request += socket->readAll();
        const int headEnd = request->indexOf("\r\n\r\n");
        if (headEnd < 0) {
            if (request->size() > kMaxRequestHead)
                socket->abort();
            return;
        }
        const QList<QByteArray> words = request->left(request->indexOf("\r\n")).split(' ');
        const QByteArray target = words.value(1);
        m_requests.append(QString::fromLatin1(target));
        const QByteArray path = target.left(target.indexOf('?') < 0 ? target.size() : target.indexOf('?'));
        Response notFound;
        notFound.status = 404;
        notFound.reason = "Not Found";
        transfer->response = m_routes.value(path, notFound);
        transfer->started = true;
        socket->write(head(transfer->response));
        QTimer::singleShot(transfer->response.pauseMs, socket, [transfer] {
            transfer->bodyDue = true;
            transfer->pump();
        });
    });
    connect(socket, &QIODevice::bytesWritten, socket, [transfer] {
        if (transfer->started)
            transfer->pump();
    });
}
