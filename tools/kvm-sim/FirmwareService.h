#pragma once

#include <QByteArray>
#include <QHash>
#include <QObject>
#include <QString>

#include <functional>

class QTcpServer;
class QTcpSocket;
struct SwitchSpec;

// One HTTP request as far as it has arrived.
struct HttpRequest
{
    enum State { Incomplete, Complete, Bad };
    State state = Incomplete;
    QByteArray method;
    QByteArray path;
    QByteArray body;
};

// Reads one request from the bytes received so far. Hostile input gives Bad:
// oversized headers or body, a malformed request line or Content-Length.
HttpRequest parseHttpRequest(const QByteArray &received);

// What the service answers one request with.
struct FirmwareAnswer
{
    int status = 200;
    QByteArray body;
    int delayMs = 0;
    QString model; // the model asked for, for the log
    QByteArray contentType = "application/json";
    bool withLength = true; // false: no Content-Length, the end of the body is the close
    int pieces = 1;         // the body is sent in this many pieces, pieceGapMs apart
    int pieceGapMs = 100;
    QByteArray location;    // the Location header, when set
};

// Looks a simulated switch up by its model name; null when none has it.
using SpecByModel = std::function<const SwitchSpec *(const QString &model)>;

// The answer to a request: the offer of the switch whose model the form's
// "model" field names, shaped by that switch's offer faults. `base` is the
// service's own address, under which the offered files would lie.
FirmwareAnswer answerFirmwareQuery(const HttpRequest &request, const SpecByModel &specOf, const QString &base);

// The answer to a GET of an offered file (the path under "/portline/files/"
// names the model before its last "_"): the upgrade tool read from
// `toolPath`, or what the model's offer-file fault sends instead.
FirmwareAnswer answerFileRequest(const HttpRequest &request, const SpecByModel &specOf, const QString &toolPath);

// The firmware information service of the simulated switches, on a local
// TCP port: a form-encoded POST of "model=NAME" to the query path is answered
// with {"result":{"fwVersion":...,"firmwareFileUrl":...}}, and the offered
// files are served under "/portline/files/", slowly enough that a receiver
// shows its progress. A GET of "/bench/BYTES" is answered at full speed
// with that many bytes (at most 1 GiB), made as they are sent, so that a
// download can be timed against another client from a server outside both.
// Each request served is logged on stderr.
class FirmwareService : public QObject
{
    Q_OBJECT

public:
    // `toolPath`: the upgrade tool served as the file of every offer.
    FirmwareService(SpecByModel specOf, QString toolPath, QObject *parent = nullptr);

    bool listen(quint16 port, QString *error);
    QString baseUrl() const;

private:
    void onNewConnection();
    void onReadyRead(QTcpSocket *socket);
    void reply(QTcpSocket *socket, const FirmwareAnswer &answer);
    void sendPieces(QTcpSocket *socket, const QByteArray &body, int pieces, int gapMs);
    void stream(QTcpSocket *socket, qint64 bytes);

    SpecByModel m_specOf;
    QString m_toolPath;
    QTcpServer *m_server;
    QHash<QTcpSocket *, QByteArray> m_received;
};
