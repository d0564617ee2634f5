// Discovery against the virtual switch with several switches and unrelated
// devices attached, the catalogue's sources, and the heartbeat.

#include "CatalogueFiles.h"
#include "TestFixture.h"
#include "VirtualSwitch.h"
#include "hidEnumerate.h"
#include "monitor.h"

#include <QFile>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QtTest>

namespace {

// One entry of every record, in list order.
QStringList field(const QVariantList &devlist, const char *key)
{
    QStringList values;
    for (const QVariant &record : devlist)
        values << record.toMap().value(QLatin1String(key)).toString();
    return values;
}

} // namespace

class DiscoveryTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { fixture::nameAsTheProgram(); }
    void cleanup() { CatalogueFiles::removeAll(); }

    void onlyCatalogueModelsAreListedInEnumerationOrder()
    {
        // Product IDs match as four upper-case hex digits.
        QVERIFY(CatalogueFiles::placeEncrypted(CatalogueFiles::catalogue(
            {{"0001", "QV5830"}, {"0002", "QV5840"}, {"00AB", "upper"}, {"ab", "short"}, {"000a", "lower"}})));
        VirtualSwitch sim({"pid=0002,model=QV5840", "pid=0003", "pid=0001", "pid=00ab", "pid=000A", "pid=0002",
                           "pid=0002,refuse-open=permission"},
                          {"vid=046D,pid=C52B,product=Receiver", "vid=1209,pid=0001"});
        QVERIFY(sim.startForThisProcess());
        // Candidates are probed beside the worker's open switch, which keeps working.
        hidEnumerate worker;
        QVERIFY(worker.openDevice(sim.path(1)));
        hidEnumerate discovery;
        QSignalSpy finished(&discovery, &hidEnumerate::hidFinished);
        discovery.loadDeviceRes();
        discovery.enumerate(0);
        discovery.enumerate(0); // overtakes the first: one answer
        QVERIFY(finished.wait(5000));
        QVERIFY(worker.sendCmd(QStringLiteral("test")).contains(QLatin1String("Command OK")));
        QVERIFY(worker.closeDevice());

        const QVariantList found = discovery.devlist();
        QCOMPARE(finished.count(), 1);
        // The unrelated 1209:0001 device is listed by its product ID alone.
        QCOMPARE(field(found, "modelname"), (QStringList{"QV5840", "QV5830", "upper", "QV5840", "QV5840", "QV5830"}));
        const QStringList paths = field(found, "path");
        QCOMPARE(paths.mid(0, 5), (QStringList{sim.path(1), sim.path(3), sim.path(4), sim.path(6), sim.path(7)}));
        QVERIFY(paths.at(5).contains(QLatin1String("VID_1209&PID_0001")) && paths.at(5) != paths.at(1));
        QCOMPARE(found.first().toMap().value("vid_hex").toInt(), 0x1209);

        // The switch this user may not open is listed with why and the remedy;
        // once that is lifted, trying again finds it opens.
        QCOMPARE(field(found, "openError"), (QStringList{"", "", "", "", "permission", ""}));
        QVERIFY(found.at(4).toMap().value("openCommand").toString().contains(QLatin1String("udevadm")));
        QSignalSpy checked(&discovery, &hidEnumerate::openChecked);
        QVERIFY(sim.control({QStringLiteral("set"), QStringLiteral("7"), QStringLiteral("refuse-open=busy")}));
        discovery.retryOpen(QString::fromLocal8Bit(sim.path(7)));
        QVERIFY(checked.wait(5000));
        QCOMPARE(checked.takeFirst().at(1).toString(), QStringLiteral("busy"));
        QVERIFY(worker.openDevice(sim.path(7)) == false && worker.openFailure() == HidOpenFailure::Busy);
        QVERIFY(sim.control({QStringLiteral("set"), QStringLiteral("7"), QStringLiteral("refuse-open=none")}));
        discovery.retryOpen(QString::fromLocal8Bit(sim.path(7)));
        QVERIFY(checked.wait(5000));
        QCOMPARE(checked.takeFirst().at(1).toString(), QString());
        QCOMPARE(field(discovery.devlist(), "openError").at(4), QString());

        // The simulator gone: nothing listed, and the search still finishes.
        sim.kill();
        QTest::ignoreMessage(QtDebugMsg, "no device");
        discovery.enumerate(0);
        QVERIFY(finished.wait(5000));
        QVERIFY(discovery.devlist().isEmpty());
    }

    void theCatalogueComesFromItsSources()
    {
        // A later duplicate replaces; 0003 is missing from the plain catalogue.
        const QByteArray encrypted = CatalogueFiles::catalogue({{"0003", "three"}, {"0001", "replaced"}, {"0001", "from dev.vemo"}});
        const QByteArray plain = CatalogueFiles::catalogue({{"0001", "from Vemo.json"}});
        VirtualSwitch sim({"pid=0001"});
        QVERIFY(sim.startForThisProcess());
        hidEnumerate discovery;
        QSignalSpy finished(&discovery, &hidEnumerate::hidFinished);
        auto loadedModel = [&discovery, &finished]() {
            discovery.loadDeviceRes();
            discovery.enumerate(0);
            return finished.wait(5000) ? field(discovery.devlist(), "modelname").value(0) : QStringLiteral("no answer");
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
        // A later catalogue only adds to the supported IDs.
        QVERIFY(Monitor::instance()->supportedIds().contains(QStringLiteral("1209-0003")));

        // Neither source readable: an empty catalogue.
        CatalogueFiles::removeAll();
        QTest::ignoreMessage(QtDebugMsg, "json error");
        QTest::ignoreMessage(QtDebugMsg, "no device");
        QCOMPARE(loadedModel(), QString());
    }

    void theHeartbeatSignalsOnlyChanges()
    {
        VirtualSwitch sim;
        QVERIFY(sim.startForThisProcess());
        hidEnumerate link;
        QSignalSpy changed(&link, &hidEnumerate::statusChanged);
        // A probe runs on the HID thread; its answer comes back here.
        auto beat = [&link] {
            link.heartBeat();
            link.heartBeat(); // one probe at a time: not stacked up
            QTRY_VERIFY(!link.probing());
        };
        // The switch handed to the other computer stops answering.
        auto handOverAndBeat = [&] {
            QVERIFY(sim.control({QStringLiteral("set"), QStringLiteral("1"), QStringLiteral("port=2")}));
            QTest::ignoreMessage(QtDebugMsg, "Unable to send a feature report.");
            beat();
        };
        link.stopHeartBeat(); // before any start: nothing to stop
        QVERIFY(link.openDevice(sim.path(1)));
        for (int i = 0; i < 3; ++i)
            beat();
        QCOMPARE(changed.count(), 1);
        QCOMPARE(link.status(), 1);
        handOverAndBeat();
        QCOMPARE(changed.count(), 2);
        QCOMPARE(link.status(), 0);

        // Gone before the first heartbeat after connecting: noticed all the
        // same, though the status was 0 already.
        QVERIFY(sim.control({QStringLiteral("set"), QStringLiteral("1"), QStringLiteral("port=1")}));
        QVERIFY(link.openDevice(sim.path(1)));
        handOverAndBeat();
        QCOMPARE(changed.count(), 3);
        QCOMPARE(link.status(), 0);

        // The timer probes every two seconds; starting it twice keeps one timer.
        QVERIFY(sim.control({QStringLiteral("set"), QStringLiteral("1"), QStringLiteral("port=1")}));
        link.beginHeartBeat();
        link.beginHeartBeat();
        QCOMPARE(link.findChildren<QTimer *>().size(), 1);
        QVERIFY(changed.wait(3000));
        QCOMPARE(link.status(), 1);
        // Stopped: a switch that stops answering goes unnoticed.
        link.stopHeartBeat();
        QVERIFY(sim.control({QStringLiteral("set"), QStringLiteral("1"), QStringLiteral("port=2")}));
        QVERIFY(!changed.wait(2500));
        QVERIFY(link.closeDevice());
    }
};

QTEST_GUILESS_MAIN(DiscoveryTest)
#include "tst_discovery.moc"
