// What reaches the HID library: the seam's initialisation bookkeeping, the
// open/close pairing of the device link, and the decoding of reply reports.

#include "CommandReport.h"
#include "HidSeam.h"
#include "RecordingHidBackend.h"
#include "hidEnumerate.h"

#include <QtTest>

class HidSeamTest : public QObject
{
    Q_OBJECT

private slots:
    void theLibraryStaysInitialisedWhileADeviceIsOpen()
    {
        RecordingHidBackend::Log log;
        HidSeam::setBackend(std::make_unique<RecordingHidBackend>(&log));
        HidSeam &seam = HidSeam::instance();

        hidEnumerate worker;
        QVERIFY(worker.openDevice("dev-a"));
        // A discovery pass on another instance: init, open, close, exit.
        QCOMPARE(seam.init(), 0);
        HidDevice *probe = seam.openPath("dev-b");
        seam.close(probe);
        seam.exit();
        QVERIFY(seam.libraryInitialised());
        QVERIFY(!log.calls.contains(QStringLiteral("exit")));

        QVERIFY(worker.closeDevice());
        QVERIFY(!seam.libraryInitialised());
        QCOMPARE(log.calls, (QStringList{"init", "open dev-a", "open dev-b", "close", "close", "exit"}));

        log.calls.clear();
        QVERIFY(worker.closeDevice()); // closed already: nothing reaches the library
        QVERIFY(log.calls.isEmpty());

        // Opening again lets go of the device held before.
        QVERIFY(worker.openDevice("dev-a"));
        QVERIFY(worker.openDevice("dev-c"));
        QVERIFY(worker.closeDevice());
        QCOMPARE(log.calls, (QStringList{"init", "open dev-a", "close", "exit", "init", "open dev-c", "close", "exit"}));
        QVERIFY(!seam.libraryInitialised());

        log.calls.clear();
        log.failOpen = true;
        QVERIFY(!worker.openDevice("gone"));
        QCOMPARE(log.calls, (QStringList{"init", "open gone", "exit"}));
        log.failInit = -1;
        log.calls.clear();
        QVERIFY(!worker.openDevice("any"));
        QCOMPARE(log.calls, QStringList{"init"});
    }

    void replyChunksDecodeFromByteZeroUpToTheFirstZero()
    {
        auto decode = [](const QByteArray &bytes) {
            return CommandReport::decodeReplyChunk(reinterpret_cast<const unsigned char *>(bytes.constData()),
                                                   bytes.size());
        };
        const QByteArray full = QByteArray(1, '\x81') + QByteArray(31, 'a');
        QCOMPARE(decode(full), QString(QChar(0xFFFD)) + QString(31, QLatin1Char('a')));
        QCOMPARE(decode(QByteArray("\x81OK\0tail", 8).leftJustified(32, '\0')), QStringLiteral("\uFFFDOK"));
        QCOMPARE(decode(QByteArray("\x81\x01read\r\nX", 9)), QStringLiteral("\uFFFDX"));
        QCOMPARE(decode(QByteArray("\x81\x01READ\r\n", 8)), QStringLiteral("\uFFFD\u0001READ\r\n"));
        QCOMPARE(decode(QByteArray("\x81\x01test\r\n", 8)), QStringLiteral("\uFFFD\u0001test\r\n"));
        QCOMPARE(decode(QByteArray(32, '\0')), QString());
    }

    void replyPiecesAreGatheredUntilCommandAppears()
    {
        RecordingHidBackend::Log log;
        HidSeam::setBackend(std::make_unique<RecordingHidBackend>(&log));
        log.replies = {QByteArray("\x81\r\nmodule name: X\r\n"), QByteArray("\x81\r\nread Comm"),
                       QByteArray("\x81" "and OK\r\n"), QByteArray("\x81\r\nCommand OK\r\n")};
        hidEnumerate link;
        QVERIFY(link.openDevice("dev"));
        const QString reply = link.sendCmd(QStringLiteral("read"));
        QCOMPARE(reply, QStringLiteral("\uFFFD\r\nmodule name: X\r\n\uFFFD\r\nread Comm\uFFFDand OK\r\n"
                                       "\uFFFD\r\nCommand OK\r\n"));
        QCOMPARE(log.calls.count(QStringLiteral("get")), 4);
        QCOMPARE(log.sentReports.size(), 1);
    }
};

QTEST_GUILESS_MAIN(HidSeamTest)
#include "tst_hidseam.moc"
