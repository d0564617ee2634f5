#include "LocalHttpServer.h"

#include <QTcpSocket>
#include <QTimer>

#include <memory>

namespace {

// The server keeps about this much queued per connection, so large bodies
// stream instead of being copied into the socket at once.
constexpr qint64 kChunk = 256 * 1024;

// One connection: the request until its head is in, then the answer, with
// the socket's queue kept short while the body goes.
struct Transfer
{
    QTcpSocket *socket = nullptr;
    QByteArray request;
    LocalHttpServer::Response response;
    bool answered = false;
    bool bodyDue = false;
    qint64 sent = 0;

    qint64 end() const { return response.sendOnly >= 0 ? qMin<qint64>(response.sendOnly, response.body.size()) : response.body.size(); }
    void pump()
    {
        if (!bodyDue)
            return;
        while (sent < end() && socket->bytesToWrite() < kChunk) {
            const qint64 length = qMin(kChunk, end() - sent);
            socket->write(response.body.constData() + sent, length);
            sent += length;
        }
        if (sent == end() && response.sendOnly < 0 && socket->state() == QAbstractSocket::ConnectedState)
            socket->disconnectFromHost(); // after the queue has gone out
    }
};

} // namespace

QUrl LocalHttpServer::url(const QString &pathAndQuery) const
{
    return QUrl(QStringLiteral("http://127.0.0.1:%1%2").arg(serverPort()).arg(pathAndQuery));
}

void LocalHttpServer::incomingConnection(qintptr descriptor)
{
    auto *socket = new QTcpSocket(this);
    socket->setSocketDescriptor(descriptor);
    connect(socket, &QAbstractSocket::disconnected, socket, &QObject::deleteLater);
    const auto transfer = std::make_shared<Transfer>();
    transfer->socket = socket;
    connect(socket, &QIODevice::readyRead, socket, [this, transfer] {
        transfer->request += transfer->socket->readAll();
        if (transfer->answered || !transfer->request.contains("\r\n\r\n"))
            return;
        transfer->answered = true;
        ++m_requests;
        // "GET /path?query HTTP/1.1"
        const Response &r = transfer->response = m_routes.value(transfer->request.split(' ').value(1).split('?').first(),
                                                                Response{404, "Not Found", {}, {}, -1, 0});
        QByteArray head = "HTTP/1.1 " + QByteArray::number(r.status) + ' ' + r.reason + "\r\n";
        if (!r.location.isEmpty())
            head += "Location: " + r.location + "\r\n";
        transfer->socket->write(head + "Content-Length: " + QByteArray::number(r.body.size()) + "\r\nConnection: close\r\n\r\n");
        QTimer::singleShot(r.pauseMs, transfer->socket, [transfer] {
            transfer->bodyDue = true;
            transfer->pump();
        });
    });
    connect(socket, &QIODevice::bytesWritten, socket, [transfer] { transfer->pump(); });
}
