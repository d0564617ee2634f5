// From a key press injected into the X server (XTest) to the command report
// in the virtual switch's trace, through the real X11 keyboard hook: the
// median of 20 presses. Needs DISPLAY.

#include "VirtualSwitch.h"
#include "monitor.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QJsonDocument>
#include <QLocalSocket>
#include <QThread>

#include <X11/Xlib.h>
#include <X11/extensions/XTest.h>
#include <X11/keysym.h>

#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

// The offset between the trace's clock and this process's steady clock,
// taken over a direct socket round trip.
// The trace's clock now, in milliseconds, asked over the socket directly
// (no process start in between); negative when there is no answer.
double traceClockMs(const VirtualSwitch &sim)
{
    QLocalSocket socket;
    socket.connectToServer(sim.socketName());
    if (!socket.waitForConnected(2000))
        return -1;
    socket.write(R"({"op":"ctl","args":["clock"]})" "\n");
    while (!socket.canReadLine()) {
        if (!socket.waitForReadyRead(2000))
            return -1;
    }
    return QJsonDocument::fromJson(socket.readLine()).object().value(QStringLiteral("output")).toString().toDouble();
}

double traceClockOffset(const VirtualSwitch &sim, QElapsedTimer &steady)
{
    const double before = static_cast<double>(steady.nsecsElapsed()) / 1e6;
    const double trace = traceClockMs(sim);
    const double after = static_cast<double>(steady.nsecsElapsed()) / 1e6;
    return (before + after) / 2 - trace;
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    Display *display = XOpenDisplay(nullptr);
    if (!display) {
        std::fprintf(stderr, "no X display\n");
        return 1;
    }
    // The default hotkey: a single key is not a hotkey the switch takes.
    const KeyCode shift = XKeysymToKeycode(display, XK_Shift_L);
    const KeyCode alt = XKeysymToKeycode(display, XK_Alt_L);
    const KeyCode last = XKeysymToKeycode(display, XK_s);
    VirtualSwitch sim;
    if (!sim.start())
        return 1;
    sim.connectSeam();
    const QString path = sim.state(1).value(QStringLiteral("path")).toString();
    Monitor monitor;
    QElapsedTimer steady;
    steady.start();
    std::vector<double> latencies;
    for (int round = 0; round < 20; ++round) {
        sim.control({QStringLiteral("set"), QStringLiteral("1"), QStringLiteral("port=1")});
        monitor.disconnectDevice();
        monitor.connectDevice(path);
        monitor.setHotkey(QStringLiteral("Shift + Alt + S"));
        monitor.getSetting();
        const int reportsBefore = sim.commandReports().size();
        const double offset = traceClockOffset(sim, steady);

        XTestFakeKeyEvent(display, shift, True, CurrentTime);
        XTestFakeKeyEvent(display, alt, True, CurrentTime);
        XFlush(display);
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
        const double pressed = static_cast<double>(steady.nsecsElapsed()) / 1e6;
        XTestFakeKeyEvent(display, last, True, CurrentTime);
        XFlush(display);
        QElapsedTimer waited;
        waited.start();
        while (sim.commandReports().size() == reportsBefore && waited.elapsed() < 3000) {
            QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
            QThread::usleep(200);
        }
        XTestFakeKeyEvent(display, last, False, CurrentTime);
        XTestFakeKeyEvent(display, alt, False, CurrentTime);
        XTestFakeKeyEvent(display, shift, False, CurrentTime);
        XFlush(display);
        QCoreApplication::processEvents();
        const auto trace = sim.trace();
        double arrived = -1;
        for (const auto &line : trace) {
            if (line.direction == QLatin1String("to-switch") && line.report.startsWith("\x01sw i0"))
                arrived = line.ms + offset;
        }
        if (arrived < 0) {
            std::fprintf(stderr, "round %d: no command arrived\n", round);
            return 1;
        }
        latencies.push_back(arrived - pressed);
    }
    std::sort(latencies.begin(), latencies.end());
    std::printf("key press to command report: median %.2f ms, min %.2f ms, max %.2f ms over %zu presses "
                "(target under 5 ms)\n",
                latencies[latencies.size() / 2], latencies.front(), latencies.back(), latencies.size());
    monitor.disconnectDevice();
    XCloseDisplay(display);
    return 0;
}
