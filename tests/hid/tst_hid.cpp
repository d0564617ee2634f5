// The HID path of the device link: what the seam passes to the library, the
// command report that goes out, how reply reports come back together, and
// how faults of the switch end an exchange.

#include "CommandReport.h"
#include "HidSeam.h"
#include "HidThread.h"
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
        seam.exit(); // no exit reaches the library before the worker's close
        QVERIFY(worker.closeDevice());
        QVERIFY(worker.closeDevice()); // closed already: nothing reaches the library
        HidThread::drain(); // closing is queued on the HID thread
        QCOMPARE(log.calls, (QStringList{"init", "open dev-a", "open dev-b", "close", "close", "exit"}));

        log.calls.clear();
        QVERIFY(worker.openDevice("dev-a"));
        QVERIFY(worker.openDevice("dev-c")); // lets go of the device held before
        QVERIFY(worker.closeDevice());
        HidThread::drain();
        QCOMPARE(log.calls, (QStringList{"init", "open dev-a", "close", "exit", "init", "open dev-c", "close", "exit"}));

        log.calls.clear();
        log.failOpen = true;
        QVERIFY(!worker.openDevice("gone"));
        QCOMPARE(worker.openFailure(), HidOpenFailure::Busy);
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
    }
    void replyChunksDecodeFromByteZeroUpToTheFirstZero()
    {
        QFETCH(QByteArray, report);
        QFETCH(QString, text);
        QCOMPARE(CommandReport::decodeReplyChunk(reinterpret_cast<const unsigned char *>(report.constData()),
                                                 report.size()),
                 text);
    }

    void commandsGoOutBetweenIdAndCrLf()
    {
        VirtualSwitch sim;
        QVERIFY(sim.startForThisProcess());
        hidEnumerate link;
        QVERIFY(link.openDevice(sim.path(1)));
        QVERIFY(link.sendCmd(QStringLiteral("test")).contains(QLatin1String("Command OK")));
        link.sendCmd(QString(29, 'x'));
        QTest::ignoreMessage(QtDebugMsg, "Command too long for a feature report.");
        QCOMPARE(link.sendCmd(QString(30, 'y')), QString());
        const QList<QByteArray> sent = sim.commandReports();
        QCOMPARE(sent.size(), 2);
        QCOMPARE(sent.at(0).toHex(), QByteArray("01746573740d0a") + QByteArray(50, '0'));
        QCOMPARE(sent.at(1), "\x01" + QByteArray(29, 'x') + "\r\n");
        QVERIFY(link.closeDevice());
    }

    void switchFaultsEndTheExchange()
    {
        VirtualSwitch sim({QStringLiteral("silent"), QStringLiteral("vanish-after=3")});
        QVERIFY(sim.startForThisProcess());
        // Without the word "Command" the exchange ends at its deadline with
        // the reply's pieces joined in order.
        hidEnumerate silent;
        QVERIFY(silent.openDevice(sim.path(1)));
        QElapsedTimer clock;
        clock.start();
        const QString gathered = silent.sendCmd(QStringLiteral("read"));
        QVERIFY2(clock.elapsed() >= 500, qPrintable(QString::number(clock.elapsed())));
        QVERIFY(gathered.contains(QRegularExpression(QStringLiteral("module name: QV5830\r\n.*Port2 Name: PC2\r\n"),
                                                     QRegularExpression::DotMatchesEverythingOption)));

        // Unplugged once the third piece of the reply has been read: no read after the failed one.
        hidEnumerate link;
        QVERIFY(link.openDevice(sim.path(2)));
        const int reports = sim.trace().count();
        QTest::ignoreMessage(QtDebugMsg, "Unable to get a feature report.");
        QCOMPARE(link.sendCmd(QStringLiteral("read")), QString());
        QCOMPARE(sim.trace().count(), reports + 1 + 3);

        // Back again: the next exchange works.
        QVERIFY(sim.control({QStringLiteral("plug"), QStringLiteral("2")}));
        QVERIFY(link.sendCmd(QStringLiteral("test")).contains(QLatin1String("Command OK")));
        QVERIFY(link.closeDevice() && silent.closeDevice());
    }
};

QTEST_GUILESS_MAIN(HidTest)
#include "tst_hid.moc"
