// fw-upgrade-tool: the virtual firmware upgrade tool. The program downloads
// it for a firmware offer of the virtual switch and starts it once the
// switch is in upgrade mode. It finds the virtual switch through
// PORTVIEW_SIMULATOR, as the program does, and has it take the offered
// firmware: the switch leaves upgrade mode and restarts with the new version.
// Its version information names the product "Firmware Upgrade Utility", the
// name the program checks before it puts a switch into upgrade mode.

#include "../kvm-sim/ControlClient.h"

#include <QCoreApplication>

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

    const simcontrol::Answer answer = simcontrol::send(name, {QStringLiteral("flash")}, kWaitMs, kWaitMs);
    switch (answer.outcome) {
    case simcontrol::Outcome::NotConnected:
        return finish(1, QStringLiteral("no virtual switch on \"%1\"").arg(name));
    case simcontrol::Outcome::NoAnswer:
        return finish(1, QStringLiteral("the virtual switch did not answer"));
    case simcontrol::Outcome::Refused:
        return finish(1, answer.output);
    case simcontrol::Outcome::Done:
        break;
    }
    return finish(0, answer.output);
}
