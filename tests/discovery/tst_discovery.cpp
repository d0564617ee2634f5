// Discovery against the virtual switch with several switches and unrelated
// devices attached, the catalogue's sources, and the heartbeat.

#include "CatalogueFiles.h"
#include "TestFixture.h"
#include "VirtualSwitch.h"
#include "hidEnumerate.h"
#include "monitor.h"

#include <QDir>
#include <QFile>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QtTest>

namespace {

QStringList models(const QVariantList &devlist)
{
    QStringList names;
    for (const QVariant &record : devlist)
        names << record.toMap().value(QStringLiteral("modelname")).toString();
    return names;
}

QString pathOf(const QVariantList &devlist, int index)
{
    return devlist.value(index).toMap().value(QStringLiteral("path")).toString();
}

// The catalogue files the program looks for beside its executable, placed
// beside the running test: dev.vemo (encrypted) and Vemo.json.

const QByteArray kTwoModels = CatalogueFiles::catalogue({{"0001", "QV5830"}, {"0002", "QV5840"}});

} // namespace

class DiscoveryTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { fixture::nameAsTheProgram(); }
    void cleanup() { CatalogueFiles::removeAll(); }

    void onlyCatalogueModelsAreListedInEnumerationOrder()
    {
        QVERIFY(CatalogueFiles::placeEncrypted(kTwoModels));
        VirtualSwitch sim({QStringLiteral("pid=0002,model=QV5840"), QStringLiteral("pid=0003"),
                           QStringLiteral("pid=0001"), QStringLiteral("pid=00ab"), QStringLiteral("pid=0002")},
                          {QStringLiteral("vid=046D,pid=C52B,product=Receiver"), QStringLiteral("vid=1209,pid=0001")});
        QVERIFY(sim.start());
        sim.connectSeam();

        hidEnumerate discovery;
        QSignalSpy finished(&discovery, &hidEnumerate::hidFinished);
        discovery.loadDeviceRes();
        discovery.enumerate(0);
        QCOMPARE(finished.count(), 1);
        const QVariantList found = discovery.devlist();
        // The unrelated 1209:0001 device is listed by its product ID alone.
        QCOMPARE(models(found), (QStringList{"QV5840", "QV5830", "QV5840", "QV5830"}));
        for (int i : {0, 1, 2})
            QCOMPARE(pathOf(found, i), sim.state(2 * i + 1).value("path").toString());
        QVERIFY(pathOf(found, 3).contains(QLatin1String("VID_1209&PID_0001")) && pathOf(found, 3) != pathOf(found, 1));
        const QVariantMap record = found.first().toMap();
        QCOMPARE(record.value("vid_hex").toInt(), 0x1209);
        QCOMPARE(record.value("pid_hex").toInt(), 2);
        QCOMPARE(record.size(), 17); // the sixteen catalogue entries and "path"

        // Unplugged: gone at the next search, which still finishes.
        for (int i : {1, 3, 5})
            QVERIFY(sim.control({QStringLiteral("unplug"), QString::number(i)}));
        discovery.enumerate(0);
        QCOMPARE(models(discovery.devlist()), QStringList{"QV5830"});
        QVERIFY(sim.control({QStringLiteral("set"), QStringLiteral("2"), QStringLiteral("pid=0001")}));
        QVERIFY(sim.control({QStringLiteral("unplug"), QStringLiteral("2")}));
        sim.kill();
        QTest::ignoreMessage(QtDebugMsg, "no device");
        discovery.enumerate(0);
        QVERIFY(discovery.devlist().isEmpty());
        QCOMPARE(finished.count(), 3);
    }

    void discoveryLeavesTheWorkersSwitchWorking()
    {
        QVERIFY(CatalogueFiles::placePlain(kTwoModels));
        VirtualSwitch sim({QStringLiteral("pid=0001"), QStringLiteral("pid=0002")});
        QVERIFY(sim.start());
        sim.connectSeam();
        hidEnumerate worker;
        QVERIFY(worker.openDevice(sim.state(1).value("path").toString().toLocal8Bit().constData()));
        hidEnumerate discovery;
        discovery.loadDeviceRes();
        for (int round = 0; round < 3; ++round) {
            discovery.enumerate(0);
            QCOMPARE(discovery.devlist().size(), 2);
            QVERIFY(worker.sendCmd(QStringLiteral("test")).contains(QLatin1String("Command OK")));
        }
        QVERIFY(worker.closeDevice());
    }

    void theCatalogueComesFromItsSources()
    {
        const QByteArray encrypted = CatalogueFiles::catalogue({{"0001", "from dev.vemo"}});
        const QByteArray plain = CatalogueFiles::catalogue({{"0001", "from Vemo.json"}});
        VirtualSwitch sim({QStringLiteral("pid=0001")});
        QVERIFY(sim.start());
        sim.connectSeam();
        hidEnumerate discovery;
        auto loadedModel = [&discovery]() {
            discovery.loadDeviceRes();
            discovery.enumerate(0);
            return models(discovery.devlist()).value(0);
        };

        QVERIFY(CatalogueFiles::placeEncrypted(encrypted));
        QVERIFY(CatalogueFiles::placePlain(plain));
        QCOMPARE(loadedModel(), QStringLiteral("from dev.vemo"));
        const QString appData = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
        QVERIFY(!QFile::exists(appData + "/kvm.temp") && !QFile::exists(appData + "/temp.kvm")); // no working copy left

        // A damaged dev.vemo falls back to the plain catalogue.
        QByteArray damaged = fixture::readAll(CatalogueFiles::encryptedPath());
        QVERIFY(fixture::writeAll(CatalogueFiles::encryptedPath(), damaged.replace(20, 2, "\xff\xff")));
        QCOMPARE(loadedModel(), QStringLiteral("from Vemo.json"));
        QVERIFY(!QFile::exists(appData + "/kvm.temp"));

        // Neither source readable: an empty catalogue.
        CatalogueFiles::removeAll();
        QTest::ignoreMessage(QtDebugMsg, "json error");
        QTest::ignoreMessage(QtDebugMsg, "no device");
        QCOMPARE(loadedModel(), QString());
    }

    void aLaterCatalogueOnlyAddsToTheSupportedIds()
    {
        VirtualSwitch sim({QStringLiteral("pid=0004"), QStringLiteral("pid=0005"), QStringLiteral("pid=00ab"), QStringLiteral("pid=000A")});
        QVERIFY(sim.start());
        sim.connectSeam();
        hidEnumerate discovery;
        // Product IDs match as four upper-case digits.
        QVERIFY(CatalogueFiles::placePlain(CatalogueFiles::catalogue(
            {{"0004", "four"}, {"0005", "five"}, {"00ab", "lower"}, {"ab", "short"}, {"00AB", "upper"}, {"000a", "ten"}})));
        discovery.loadDeviceRes();
        discovery.enumerate(0);
        QCOMPARE(models(discovery.devlist()), (QStringList{"four", "five", "upper"}));

        QVERIFY(CatalogueFiles::placePlain(CatalogueFiles::catalogue({{"0005", "five"}, {"0005", "FIVE"}})));
        discovery.loadDeviceRes();
        discovery.enumerate(0);
        QCOMPARE(models(discovery.devlist()), QStringList{"FIVE"}); // a later duplicate replaces
        const auto &supported = Monitor::instance()->supportedIds();
        QVERIFY(supported.contains(QStringLiteral("1209-0004")));
        QCOMPARE(supported.value(QStringLiteral("1209-0005")).toString(), QStringLiteral("1209-0005"));

        // Malformed or odd documents leave an empty catalogue.
        for (const QByteArray &text : {QByteArray("{\"devlist\": [ {\"pid\": "), QByteArray("[1, 2]"),
                                       QByteArray("{\"devlist\": {\"pid\": \"0005\"}}"), QByteArray("42")}) {
            QVERIFY(CatalogueFiles::placePlain(text));
            if (!text.startsWith('[') && !text.startsWith("{\"devlist\": {"))
                QTest::ignoreMessage(QtDebugMsg, "json error");
            QTest::ignoreMessage(QtDebugMsg, "no device");
            discovery.loadDeviceRes();
            discovery.enumerate(0);
            QVERIFY(discovery.devlist().isEmpty());
        }
    }

    void theHeartbeatSignalsOnlyChanges()
    {
        VirtualSwitch sim;
        QVERIFY(sim.start());
        sim.connectSeam();
        hidEnumerate link;
        QSignalSpy changed(&link, &hidEnumerate::statusChanged);
        link.stopHeartBeat(); // before any start: nothing to stop
        link.heartBeat();     // nothing open: stays 0
        QCOMPARE(changed.count(), 0);
        QVERIFY(link.openDevice(sim.state(1).value("path").toString().toLocal8Bit().constData()));
        for (int i = 0; i < 3; ++i)
            link.heartBeat();
        QCOMPARE(changed.count(), 1);
        QCOMPARE(link.status(), 1);
        QVERIFY(sim.control({QStringLiteral("set"), QStringLiteral("1"), QStringLiteral("port=2")}));
        QTest::ignoreMessage(QtDebugMsg, "Unable to send a feature report.");
        link.heartBeat();
        QCOMPARE(changed.count(), 2);
        QCOMPARE(link.status(), 0);

        // The timer probes every two seconds; starting it twice keeps one timer.
        QVERIFY(sim.control({QStringLiteral("set"), QStringLiteral("1"), QStringLiteral("port=1")}));
        link.beginHeartBeat();
        link.beginHeartBeat();
        QCOMPARE(link.findChildren<QTimer *>().size(), 1);
        QVERIFY(changed.wait(3000));
        QCOMPARE(link.status(), 1);
        link.stopHeartBeat();
        QVERIFY(!changed.wait(2500));
        QVERIFY(link.closeDevice());
    }
};

QTEST_GUILESS_MAIN(DiscoveryTest)
#include "tst_discovery.moc"
