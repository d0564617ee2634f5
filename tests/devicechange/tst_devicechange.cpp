// Device arrival and removal: which interface names make the filter tell the
// interface, and the virtual switch's announcements arriving as with hardware.

#include "UpgradeEventFilter.h"
#include "VirtualSwitch.h"
#include "monitor.h"

#include <QSignalSpy>
#include <QtTest>

class DeviceChangeTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        QCoreApplication::setOrganizationName(QStringLiteral("Vemo"));
        QCoreApplication::setApplicationName(QStringLiteral("Vemo Portview"));
        auto &supported = Monitor::instance()->supportedIds();
        for (const char *key : {"1209-0001", "12ab-00cd"})
            supported.insert(QLatin1String(key), QLatin1String(key));
    }

    void onlySupportedInterfaceNamesSignal()
    {
        UpgradeEventFilter filter;
        QSignalSpy changed(&filter, &UpgradeEventFilter::devChanged);
        const QStringList supported = {
            QStringLiteral("\\\\?\\USB#VID_1209&PID_0001#5&2a3b&0&1#{a5dcbf10-6530-11d2-901f-00c04fb951ed}"),
            QStringLiteral("\\\\?\\HID#VID_1209&PID_0001#7&1f2e&0&0000#{4d1e55b2-f16f-11cf-88cb-001111000030}"),
            QStringLiteral("\\\\?\\USB#VID_1209&PID_0001#5&2a3b#{f18a0e88-c30c-11d0-8815-00a0c906bed8}"),
            QStringLiteral("\\\\?\\HID#VID_12ab&PID_00cd#x"), // written as the catalogue writes it
        };
        for (const QString &name : supported) {
            QTest::ignoreMessage(QtDebugMsg, "support device is changed");
            filter.UpdateDevice(name);
        }
        QCOMPARE(changed.count(), supported.size()); // one signal per notification

        const QStringList ignored = {
            QStringLiteral("\\\\?\\HID#VID_046D&PID_C52B#7&1f2e#{4d1e55b2-f16f-11cf-88cb-001111000030}"),
            QStringLiteral("\\\\?\\hid#vid_1209&pid_0001#7&1f2e#{4d1e55b2-f16f-11cf-88cb-001111000030}"),
            QStringLiteral("\\\\?\\HID#VID_12AB&PID_00CD#x"),
            QStringLiteral("ABCDVID_1209&PID_0001"), // no separator after the first four characters
        };
        for (const QString &name : ignored)
            filter.UpdateDevice(name);
        QCOMPARE(changed.count(), supported.size());

        // Without "PID_" the product part comes from position 3.
        Monitor::instance()->supportedIds().insert(QStringLiteral("1209-#1&2"), QString());
        QTest::ignoreMessage(QtDebugMsg, "support device is changed");
        filter.UpdateDevice(QStringLiteral("abc#1&2#VID_1209"));
        QCOMPARE(changed.count(), supported.size() + 1);

        for (const QString &shortName : {QString(), QStringLiteral("\\\\?\\"), QStringLiteral("VID_")}) {
            QTest::ignoreMessage(QtDebugMsg, "devinf length error");
            filter.UpdateDevice(shortName);
        }
        QCOMPARE(changed.count(), supported.size() + 1);
    }

    void resultHoldsTheSoundsAndTheStatus()
    {
        UpgradeEventFilter filter;
        QSignalSpy changed(&filter, &UpgradeEventFilter::devChanged);
        QVariantMap result = filter.property("result").toMap();
        QCOMPARE(result.keys(), (QStringList{"connect", "disconnect", "fail"}));
        filter.emitResult();
        result = filter.property("result").toMap();
        QCOMPARE(result.value("statsu"), QVariant(0)); // no status text received
        QCOMPARE(changed.count(), 1);
        filter.onPlaying(0x8004); // no disconnect sound known: nothing to play
        filter.onPlaying(0x8000);
    }

    void theVirtualSwitchAnnouncesItsComingsAndGoings()
    {
        VirtualSwitch sim({QStringLiteral("pid=0001"), QStringLiteral("pid=0002")});
        QVERIFY(sim.start());
        sim.connectSeam();
        UpgradeEventFilter filter;
        QSignalSpy changed(&filter, &UpgradeEventFilter::devChanged);
        QTest::qWait(200); // the announcement connection is made by the event loop

        QVERIFY(sim.control({QStringLiteral("unplug"), QStringLiteral("1")}));
        QTRY_COMPARE(changed.count(), 2); // its USB device and its HID interface
        QVERIFY(sim.control({QStringLiteral("plug"), QStringLiteral("1")}));
        QTRY_COMPARE(changed.count(), 4);
        // Handed to the other computer and back.
        QVERIFY(sim.control({QStringLiteral("set"), QStringLiteral("1"), QStringLiteral("port=2")}));
        QTRY_COMPARE(changed.count(), 6);
        QVERIFY(sim.control({QStringLiteral("set"), QStringLiteral("1"), QStringLiteral("port=1")}));
        QTRY_COMPARE(changed.count(), 8);
        // A model the catalogue never listed stays quiet.
        QVERIFY(sim.control({QStringLiteral("unplug"), QStringLiteral("2")}));
        QTest::qWait(300);
        QCOMPARE(changed.count(), 8);
    }
};

QTEST_MAIN(DeviceChangeTest)
#include "tst_devicechange.moc"
