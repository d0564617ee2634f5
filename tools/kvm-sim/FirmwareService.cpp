#include "FirmwareService.h"

#include "SimSwitch.h"

#include <QFile>
#include <QHostAddress>
#include <QJsonDocument>
#include <QJsonObject>
#include <QPointer>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTimer>
#include <QUrlQuery>

#include <cstdio>
#include <memory>

namespace {

constexpr int kMaxHeaderBytes = 16 * 1024;
constexpr int kMaxBodyBytes = 64 * 1024;
const char kQueryPath[] = "/portline/common/getFwInfo";
const char kFilesPath[] = "/portline/files/";
constexpr int kFilePieces = 10;
const char kBenchPath[] = "/bench/";
constexpr qint64 kMaxBenchBytes = qint64(1) << 30;
// What the bench body is sent in: the socket is refilled whenever less than
// one piece waits in its buffer, so the kernel never runs dry and the
// service never holds the whole body.
constexpr int kStreamPiece = 1024 * 1024;

QByteArray reason(int status)
{
    switch (status) {
    case 200: return "OK";
    case 302: return "Found";
    case 400: return "Bad Request";
    case 404: return "Not Found";
    case 405: return "Method Not Allowed";
    default: return status >= 500 ? "Server Error" : "Status";
    }
}

FirmwareAnswer plainAnswer(int status, const QByteArray &body)
{
    FirmwareAnswer answer;
    answer.status = status;
    answer.body = body;
    return answer;
}

FirmwareAnswer redirectAnswer(const QString &location)
{
    FirmwareAnswer answer = plainAnswer(302, "<a href=\"" + location.toUtf8() + "\">moved</a>");
    answer.location = location.toUtf8();
    return answer;
}

// The form field "model" of an x-www-form-urlencoded body; "+" is a space.
QString formModel(const QByteArray &body)
{
    QByteArray text = body;
    text.replace('+', ' ');
    return QUrlQuery(QString::fromUtf8(text)).queryItemValue(QStringLiteral("model"), QUrl::FullyDecoded);
}

} // namespace

HttpRequest parseHttpRequest(const QByteArray &received)
{
    HttpRequest request;
    const int headerEnd = received.indexOf("\r\n\r\n");
    if (headerEnd < 0) {
        request.state = received.size() > kMaxHeaderBytes ? HttpRequest::Bad : HttpRequest::Incomplete;
        return request;
    }
    request.state = HttpRequest::Bad;
    if (headerEnd > kMaxHeaderBytes)
        return request;
    const QList<QByteArray> lines = received.left(headerEnd).split('\n');
    const QList<QByteArray> first = lines.first().trimmed().split(' ');
    if (first.size() != 3 || !first.at(2).startsWith("HTTP/1."))
        return request;
    qint64 length = 0;
    for (int i = 1; i < lines.size(); ++i) {
        const int colon = lines.at(i).indexOf(':');
        if (colon <= 0)
            return request;
        if (lines.at(i).left(colon).trimmed().toLower() == "content-length") {
            bool ok = false;
            length = lines.at(i).mid(colon + 1).trimmed().toLongLong(&ok);
            if (!ok || length < 0 || length > kMaxBodyBytes)
                return request;
        }
    }
    const QByteArray body = received.mid(headerEnd + 4);
    if (body.size() < length) {
        request.state = HttpRequest::Incomplete;
        return request;
    }
    request.state = HttpRequest::Complete;
    request.method = first.at(0);
    request.path = first.at(1);
    request.body = body.left(static_cast<int>(length));
    return request;
}

FirmwareAnswer answerFirmwareQuery(const HttpRequest &request, const SpecByModel &specOf, const QString &base)
{
    if (request.path != kQueryPath)
        return plainAnswer(404, R"({"error":"unknown path"})");
    if (request.method != "POST")
        return plainAnswer(405, R"({"error":"POST only"})");
    const QString model = formModel(request.body);
    const SwitchSpec *spec = model.isEmpty() ? nullptr : specOf(model);
    if (!spec) {
        FirmwareAnswer unknown = plainAnswer(404, R"({"error":"unknown model"})");
        unknown.model = model;
        return unknown;
    }
    FirmwareAnswer answer = spec->redirect.isEmpty() ? FirmwareAnswer() : redirectAnswer(spec->redirect);
    answer.model = model;
    if (!spec->redirect.isEmpty())
        return answer;
    answer.status = spec->offerStatus;
    answer.delayMs = spec->offerDelayMs;
    if (spec->offerGarbage) {
        answer.body = "<html>garbage, not JSON";
        return answer;
    }
    const QString version = spec->offer.isEmpty() ? spec->fw : spec->offer;
    const QString url = spec->offerUrl.isEmpty()  ? QStringLiteral("%1%2%3_%4.exe").arg(base, kFilesPath, model, version)
                        : spec->offerUrl.startsWith(QLatin1Char('/')) ? base + spec->offerUrl
                                                                      : spec->offerUrl;
    const QJsonObject result{{QStringLiteral("fwVersion"), version}, {QStringLiteral("firmwareFileUrl"), url}};
    answer.body = QJsonDocument(QJsonObject{{QStringLiteral("result"), result}}).toJson(QJsonDocument::Compact);
    // Blank lines keep the answer valid JSON at any size.
    if (spec->offerSize > answer.body.size())
        answer.body += QByteArray(spec->offerSize - answer.body.size(), '\n');
    return answer;
}

FirmwareAnswer answerFileRequest(const HttpRequest &request, const SpecByModel &specOf, const QString &toolPath)
{
    if (request.method != "GET")
        return plainAnswer(405, R"({"error":"GET only"})");
    const QString name = QString::fromUtf8(request.path.mid(int(qstrlen(kFilesPath))));
    const SwitchSpec *spec = specOf(name.section(QLatin1Char('_'), 0, -2));
    const QString kind = spec ? spec->offerFile : QStringLiteral("tool");
    FirmwareAnswer answer;
    answer.model = spec ? spec->model : QString();
    answer.contentType = "application/octet-stream";
    answer.pieces = kFilePieces;
    answer.pieceGapMs = spec ? spec->offerGapMs : answer.pieceGapMs;
    if (spec && !spec->redirect.isEmpty())
        return redirectAnswer(spec->redirect);
    if (kind == QLatin1String("error"))
        return plainAnswer(500, R"({"error":"the file store failed"})");
    if (kind == QLatin1String("other")) {
        answer.body = QByteArray("This is a firmware release note, not the upgrade tool.\n").repeated(200);
        return answer;
    }
    QFile tool(toolPath);
    if (!tool.open(QIODevice::ReadOnly))
        return plainAnswer(404, R"({"error":"no upgrade tool to serve"})");
    answer.body = tool.readAll();
    answer.withLength = kind != QLatin1String("nolength");
    // A byte at a time: never silent long, never anywhere near the end.
    if (kind == QLatin1String("drip"))
        answer.pieces = qMax(1, answer.body.size());
    return answer;
}

FirmwareService::FirmwareService(SpecByModel specOf, QString toolPath, QObject *parent)
    : QObject(parent), m_specOf(std::move(specOf)), m_toolPath(std::move(toolPath)), m_server(new QTcpServer(this))
{
    connect(m_server, &QTcpServer::newConnection, this, &FirmwareService::onNewConnection);
}

bool FirmwareService::listen(quint16 port, QString *error)
{
    if (m_server->listen(QHostAddress::LocalHost, port))
        return true;
    *error = m_server->errorString();
    return false;
}

QString FirmwareService::baseUrl() const
{
    return QStringLiteral("http://127.0.0.1:%1").arg(m_server->serverPort());
}

void FirmwareService::onNewConnection()
{
    while (QTcpSocket *socket = m_server->nextPendingConnection()) {
        connect(socket, &QTcpSocket::readyRead, this, [this, socket] { onReadyRead(socket); });
        connect(socket, &QTcpSocket::disconnected, this, [this, socket] {
            m_received.remove(socket);
            socket->deleteLater();
        });
    }
}

void FirmwareService::onReadyRead(QTcpSocket *socket)
{
    QByteArray &received = m_received[socket];
    received += socket->readAll();
    const HttpRequest request = parseHttpRequest(received);
    if (request.state == HttpRequest::Incomplete)
        return;
    // One request per connection: what follows it is not read.
    disconnect(socket, &QTcpSocket::readyRead, this, nullptr);
    const bool file = request.state == HttpRequest::Complete && request.path.startsWith(kFilesPath);
    if (request.state == HttpRequest::Complete && request.method == "GET" && request.path.startsWith(kBenchPath)) {
        bool ok = false;
        const qint64 bytes = request.path.mid(int(qstrlen(kBenchPath))).toLongLong(&ok);
        if (ok && bytes >= 0 && bytes <= kMaxBenchBytes) {
            std::fprintf(stderr, "kvm-sim firmware bench: GET %s -> 200\n", request.path.constData());
            std::fflush(stderr);
            stream(socket, bytes);
            return;
        }
    }
    const FirmwareAnswer answer = request.state == HttpRequest::Bad ? plainAnswer(400, R"({"error":"bad request"})")
                                  : file ? answerFileRequest(request, m_specOf, m_toolPath)
                                         : answerFirmwareQuery(request, m_specOf, baseUrl());
    std::fprintf(stderr, "kvm-sim firmware %s: %s %s model=%s -> %d\n", file ? "file" : "query",
                 request.method.constData(), request.path.constData(), qPrintable(answer.model), answer.status);
    std::fflush(stderr);
    if (answer.delayMs <= 0) {
        reply(socket, answer);
        return;
    }
    QPointer<QTcpSocket> guarded(socket);
    QTimer::singleShot(answer.delayMs, this, [this, guarded, answer] {
        if (guarded)
            reply(guarded, answer);
    });
}

void FirmwareService::reply(QTcpSocket *socket, const FirmwareAnswer &answer)
{
    QByteArray head = "HTTP/1.1 " + QByteArray::number(answer.status) + ' ' + reason(answer.status) + "\r\n";
    head += "Content-Type: " + answer.contentType + "\r\nConnection: close\r\n";
    if (answer.withLength)
        head += "Content-Length: " + QByteArray::number(answer.body.size()) + "\r\n";
    if (!answer.location.isEmpty())
        head += "Location: " + answer.location + "\r\n";
    socket->write(head + "\r\n");
    sendPieces(socket, answer.body, answer.pieces, answer.pieceGapMs);
}

void FirmwareService::sendPieces(QTcpSocket *socket, const QByteArray &body, int pieces, int gapMs)
{
    const int size = pieces > 1 ? (body.size() + pieces - 1) / pieces : body.size();
    socket->write(body.left(size));
    if (pieces <= 1 || body.size() <= size) {
        socket->disconnectFromHost();
        return;
    }
    QPointer<QTcpSocket> guarded(socket);
    const QByteArray rest = body.mid(size);
    QTimer::singleShot(gapMs, this, [this, guarded, rest, pieces, gapMs] {
        if (guarded)
            sendPieces(guarded, rest, pieces - 1, gapMs);
    });
}

void FirmwareService::stream(QTcpSocket *socket, qint64 bytes)
{
    QByteArray head = "HTTP/1.1 200 OK\r\nContent-Type: application/octet-stream\r\nConnection: close\r\n";
    head += "Content-Length: " + QByteArray::number(bytes) + "\r\n\r\n";
    socket->write(head);
    QByteArray piece(kStreamPiece, Qt::Uninitialized);
    for (int i = 0; i < piece.size(); ++i)
        piece[i] = char(i % 251);
    auto left = std::make_shared<qint64>(bytes);
    auto refill = [socket, piece, left] {
        while (*left > 0 && socket->bytesToWrite() < kStreamPiece) {
            const qint64 size = qMin<qint64>(*left, piece.size());
            socket->write(piece.constData(), size);
            *left -= size;
        }
        if (*left == 0 && socket->bytesToWrite() == 0)
            socket->disconnectFromHost();
    };
    connect(socket, &QTcpSocket::bytesWritten, socket, refill);
    refill();
}
