#pragma once

// One control request to a running virtual switch, as `kvm-sim ctl` and the
// virtual upgrade tool send it: connect, one request line, one answer line.

#include "SimulatorProtocol.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLocalSocket>
#include <QStringList>

namespace simcontrol {

enum class Outcome { NotConnected, NoAnswer, Refused, Done };

struct Answer
{
    Outcome outcome;
    QString output;
};

inline Answer send(const QString &socketName, const QStringList &args, int connectMs, int answerMs)
{
    QLocalSocket socket;
    socket.connectToServer(socketName);
    if (!socket.waitForConnected(connectMs))
        return {Outcome::NotConnected, QString()};
    const QJsonObject request{{simproto::kOp, simproto::kCtl}, {simproto::kArgs, QJsonArray::fromStringList(args)}};
    socket.write(QJsonDocument(request).toJson(QJsonDocument::Compact) + '\n');
    socket.waitForBytesWritten(answerMs);
    while (!socket.canReadLine()) {
        if (!socket.waitForReadyRead(answerMs))
            return {Outcome::NoAnswer, QString()};
    }
    const QJsonObject answer = QJsonDocument::fromJson(socket.readLine()).object();
    return {answer.value(simproto::kOk).toBool() ? Outcome::Done : Outcome::Refused,
            answer.value(simproto::kOutput).toString()};
}

} // namespace simcontrol
