// Median round trip of "test" against the virtual switch: the command report
// out, reply reports polled every 10 ms until "Command" arrives.
#include "VirtualSwitch.h"
#include "hidEnumerate.h"

#include <QCoreApplication>
#include <QElapsedTimer>

#include <algorithm>
#include <cstdio>
#include <vector>

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    const int rounds = argc > 1 ? std::max(1, atoi(argv[1])) : 200;
    VirtualSwitch sim;
    if (!sim.start()) {
        std::fprintf(stderr, "the virtual switch did not start\n");
        return 1;
    }
    sim.connectSeam();
    hidEnumerate link;
    if (!link.openDevice(sim.state(1).value(QStringLiteral("path")).toString().toLocal8Bit().constData()))
        return 1;
    std::vector<double> times;
    QElapsedTimer clock;
    for (int i = 0; i < rounds; ++i) {
        clock.start();
        const QString reply = link.sendCmd(QStringLiteral("test"));
        times.push_back(static_cast<double>(clock.nsecsElapsed()) / 1e6);
        if (!reply.contains(QLatin1String("Command OK")))
            return 1;
    }
    link.closeDevice();
    std::sort(times.begin(), times.end());
    std::printf("round trip of \"test\": median %.3f ms, min %.3f ms, max %.3f ms over %d rounds "
                "(poll floor 10 ms, target within 2 ms of it)\n",
                times[times.size() / 2], times.front(), times.back(), rounds);
    return 0;
}
