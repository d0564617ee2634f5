// The HID path of the device link: what the seam passes to the library, the
// command report that goes out, how reply reports come back together, and
// how faults of the switch end an exchange.

#include "CommandReport.h"
#include "HidSeam.h"
#include "RecordingHidBackend.h"
#include "VirtualSwitch.h"
#include "hidEnumerate.h"

#include <QElapsedTimer>
#include <QtTest>

class HidTest : public QObject
{
    Q_OBJECT

private slots:
    // Discovery opens and closes devices beside the worker's open switch; an
    // hid_exit under an open handle would unload the library on Windows.
    void theLibraryStaysInitialisedWhileADeviceIsOpen()
    {
        RecordingHidBackend::Log log;
        HidSeam::setBackend(std::make_unique<RecordingHidBackend>(&log));
        HidSeam &seam = HidSeam::instance();

        hidEnumerate worker;
        QVERIFY(worker.openDevice("dev-a"));
        QCOMPARE(seam.init(), 0);
        seam.close(seam.openPath("dev-b"));
        seam.exit();
        QVERIFY(seam.libraryInitialised());
        QVERIFY(worker.closeDevice());
        QVERIFY(!seam.libraryInitialised());
        QVERIFY(worker.closeDevice()); // closed already: nothing reaches the library
        QCOMPARE(log.calls, (QStringList{"init", "open dev-a", "open dev-b", "close", "close", "exit"}));

        log.calls.clear();
        QVERIFY(worker.openDevice("dev-a"));
        QVERIFY(worker.openDevice("dev-c")); // lets go of the device held before
        QVERIFY(worker.closeDevice());
        QCOMPARE(log.calls, (QStringList{"init", "open dev-a", "close", "exit", "init", "open dev-c", "close", "exit"}));

        log.calls.clear();
        log.failOpen = true;
        QVERIFY(!worker.openDevice("gone"));
        log.failInit = -1;
        QVERIFY(!worker.openDevice("any"));
        QCOMPARE(log.calls, (QStringList{"init", "open gone", "exit", "init"}));
        QVERIFY(!seam.libraryInitialised());
    }

    void replyChunksDecodeFromByteZeroUpToTheFirstZero_data()
    {
        QTest::addColumn<QByteArray>("report");
        QTest::addColumn<QString>("text");
        QTest::newRow("full") << QByteArray(1, '\x81') + QByteArray(31, 'a') << QString(QChar(0xFFFD)) + QString(31, 'a');
        QTest::newRow("zero ends") << QByteArray("\x81OK\0tail", 8) << QStringLiteral("\uFFFDOK");
        QTest::newRow("read echo dropped") << QByteArray("\x81\x01read\r\nX", 9) << QStringLiteral("\uFFFDX");
        QTest::newRow("other echo kept") << QByteArray("\x81\x01test\r\n", 8) << QStringLiteral("\uFFFD\u0001test\r\n");
        QTest::newRow("empty") << QByteArray(32, '\0') << QString();
    }
    void replyChunksDecodeFromByteZeroUpToTheFirstZero()
    {
        QFETCH(QByteArray, report);
        QFETCH(QString, text);
        QCOMPARE(CommandReport::decodeReplyChunk(reinterpret_cast<const unsigned char *>(report.constData()),
                                                 report.size()),
                 text);
    }

    void commandsGoOutBetweenIdAndCrLfAndRepliesJoinInOrder()
    {
        VirtualSwitch sim({QStringLiteral("name1=Left desk,fw=V2.3.4"), QStringLiteral("echo")});
        QVERIFY(sim.startForThisProcess());
        hidEnumerate link;
        QCOMPARE(link.sendCmd(QStringLiteral("test")), QString()); // closed: nothing sent
        QVERIFY(link.openDevice(sim.path(1)));
        QVERIFY(link.sendCmd(QStringLiteral("test")).contains(QLatin1String("Command OK")));
        link.sendCmd(QString(29, 'x'));
        QTest::ignoreMessage(QtDebugMsg, "Command too long for a feature report.");
        QCOMPARE(link.sendCmd(QString(30, 'y')), QString());
        const QList<QByteArray> sent = sim.commandReports();
        QCOMPARE(sent.size(), 2);
        QCOMPARE(sent.at(0).toHex(), QByteArray("01746573740d0a") + QByteArray(50, '0'));
        QCOMPARE(sent.at(1), "\x01" + QByteArray(29, 'x') + "\r\n");

        const QStringList lines = link.sendCmd(QStringLiteral("read")).split(QStringLiteral("\r\n"));
        QCOMPARE(lines.filter(":"), (QStringList{"module name: QV5830", "FW version: V2.3.4", "input port: 1",
                                                 "switch mode: normal", "Port1: 1", "Port2: 1",
                                                 "Port1 Name: Left desk", "Port2 Name: PC2"}));
        QVERIFY(lines.contains(QStringLiteral("read Command OK")));

        // A switch that repeats the command first: only the echo of "read" is dropped.
        hidEnumerate echoing;
        QVERIFY(echoing.openDevice(sim.path(2)));
        const QString echoedRead = echoing.sendCmd(QStringLiteral("read"));
        QVERIFY(!echoedRead.contains(QLatin1String("\u0001read")));
        QVERIFY(echoedRead.contains(QLatin1String("module name: QV5830\r\n")));
        QVERIFY(echoing.sendCmd(QStringLiteral("test")).contains(QStringLiteral("\u0001test\r\n")));
        QVERIFY(link.closeDevice());
        QCOMPARE(link.sendCmd(QStringLiteral("test")), QString());
    }

    void anExchangeWithoutTheWordCommandEndsAtTheDeadline()
    {
        VirtualSwitch sim({QStringLiteral("silent"), QStringLiteral("split")});
        QVERIFY(sim.startForThisProcess());
        hidEnumerate silent;
        QVERIFY(silent.openDevice(sim.path(1)));
        QElapsedTimer clock;
        clock.start();
        const QString gathered = silent.sendCmd(QStringLiteral("read"));
        QVERIFY2(clock.elapsed() >= 500, qPrintable(QString::number(clock.elapsed())));
        QVERIFY(gathered.contains(QLatin1String("Port2 Name: PC2")));
        QVERIFY(!gathered.contains(QLatin1String("Command")));

        // "Comm" and "and OK" in two reports: the word never appears whole.
        hidEnumerate split;
        QVERIFY(split.openDevice(sim.path(2)));
        clock.restart();
        const QString cut = split.sendCmd(QStringLiteral("test"));
        QVERIFY(clock.elapsed() >= 500);
        QVERIFY(cut.contains(QLatin1String("Comm")) && cut.contains(QLatin1String("and OK")));
        QVERIFY(!cut.contains(QLatin1String("Command")));
    }

    void aSwitchThatGoesAwayEndsTheExchangeCleanly()
    {
        // Unplugged once the third piece of the reply has been read.
        VirtualSwitch sim({QStringLiteral("vanish-after=3")});
        QVERIFY(sim.startForThisProcess());
        hidEnumerate link;
        QVERIFY(link.openDevice(sim.path(1)));
        QTest::ignoreMessage(QtDebugMsg, "Unable to get a feature report.");
        QCOMPARE(link.sendCmd(QStringLiteral("read")), QString());
        QCOMPARE(sim.trace().count(), 1 + 3);
        QVERIFY(!sim.state(1).value(QStringLiteral("present")).toBool());

        QVERIFY(sim.control({QStringLiteral("plug"), QStringLiteral("1")}));
        QVERIFY(link.sendCmd(QStringLiteral("test")).contains(QLatin1String("Command OK")));
        sim.kill();
        QTest::ignoreMessage(QtDebugMsg, "Unable to send a feature report.");
        QCOMPARE(link.sendCmd(QStringLiteral("test")), QString());
        QVERIFY(link.closeDevice());
    }
};

QTEST_GUILESS_MAIN(HidTest)
#include "tst_hid.moc"
