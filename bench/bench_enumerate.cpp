// The time of one discovery pass with 64 attached HID devices of which 2 are
// supported switches, against the virtual switch.
#include "VirtualSwitch.h"
#include "hidEnumerate.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QTimer>
#include <QFile>

#include <algorithm>
#include <cstdio>
#include <vector>

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    // The plain catalogue beside the executable, where discovery looks.
    QFile catalogue(QCoreApplication::applicationDirPath() + QStringLiteral("/Vemo.json"));
    const QByteArray models = R"({"devlist": [{"vid": "1209", "pid": "0001", "modelname": "A"}, {"vid": "1209", "pid": "0002", "modelname": "B"}]})";
    if (!catalogue.open(QIODevice::WriteOnly) || catalogue.write(models) != models.size())
        return 1;
    catalogue.close();
    QStringList others;
    for (int i = 0; i < 62; ++i)
        others << QStringLiteral("vid=046D,pid=%1,product=Device %2").arg(0xC000 + i, 4, 16).arg(i);
    VirtualSwitch sim({QStringLiteral("pid=0001"), QStringLiteral("pid=0002")}, others);
    if (!sim.start())
        return 1;
    sim.connectSeam();
    hidEnumerate discovery;
    discovery.loadDeviceRes();
    std::vector<double> times;
    for (int i = 0; i < 50; ++i) {
        // Discovery runs on the HID thread: one pass ends with hidFinished.
        QEventLoop pass;
        QObject::connect(&discovery, &hidEnumerate::hidFinished, &pass, &QEventLoop::quit);
        QElapsedTimer clock;
        clock.start();
        QTimer::singleShot(10000, &pass, &QEventLoop::quit); // a pass that never ends fails below
        discovery.enumerate(0);
        pass.exec();
        times.push_back(static_cast<double>(clock.nsecsElapsed()) / 1e6);
        if (discovery.devlist().size() != 2)
            return 1;
    }
    catalogue.remove();
    std::sort(times.begin(), times.end());
    std::printf("enumerate with 64 HID devices (2 switches): median %.3f ms, min %.3f ms over %zu runs\n",
                times[times.size() / 2], times.front(), times.size());
    return 0;
}
