// fw-upgrade-tool: the virtual firmware upgrade tool. The program downloads
// it for a firmware offer of the virtual switch and starts it once the
// switch is in upgrade mode. It finds the virtual switch through
// PORTVIEW_SIMULATOR, as the program does, and has it take the offered
// firmware: the switch leaves upgrade mode and restarts with the new version.
// Its version information names the product "Firmware Upgrade Utility", the
// name the program checks before it puts a switch into upgrade mode.

#include "SimulatorProtocol.h"

#include <QCoreApplication>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLocalSocket>

#include <cstdio>

namespace {

constexpr int kWaitMs = 5000;

int finish(int code, const QString &message)
{
    std::fprintf(code ? stderr : stdout, "fw-upgrade-tool: %s\n", qPrintable(message));
    return code;
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    const QString name = qEnvironmentVariable("PORTVIEW_SIMULATOR");
    if (name.isEmpty())
        return finish(1, QStringLiteral("no virtual switch to flash (PORTVIEW_SIMULATOR is not set)"));

    QLocalSocket socket;
    socket.connectToServer(name);
    if (!socket.waitForConnected(kWaitMs))
        return finish(1, QStringLiteral("no virtual switch on \"%1\"").arg(name));
    const QJsonObject request{{simproto::kOp, simproto::kCtl},
                              {simproto::kArgs, QJsonArray{QStringLiteral("flash")}}};
    socket.write(QJsonDocument(request).toJson(QJsonDocument::Compact) + '\n');
    if (!socket.waitForBytesWritten(kWaitMs))
        return finish(1, QStringLiteral("the virtual switch took no request"));
    while (!socket.canReadLine()) {
        if (!socket.waitForReadyRead(kWaitMs))
            return finish(1, QStringLiteral("the virtual switch did not answer"));
    }
    const QJsonObject answer = QJsonDocument::fromJson(socket.readLine()).object();
    const QString output = answer.value(simproto::kOutput).toString();
    return answer.value(simproto::kOk).toBool() ? finish(0, output) : finish(1, output);
}
