// The command exchange against the virtual switch: what goes out in the
// command report, how reply reports come back together, and how faults of
// the switch end an exchange.

#include "VirtualSwitch.h"
#include "hidEnumerate.h"

#include <QElapsedTimer>
#include <QtTest>

#include <cstdlib>
#include <thread>

namespace {

QByteArray expectedReport(const QByteArray &command)
{
    return (QByteArray(1, '\x01') + command + "\r\n").leftJustified(32, '\0');
}

QString firstPath(const VirtualSwitch &sim, int index = 1)
{
    return sim.state(index).value(QStringLiteral("path")).toString();
}

} // namespace

class CommandChannelTest : public QObject
{
    Q_OBJECT

private:
    // Opens switch `index` of `sim` on `link`.
    static bool open(hidEnumerate &link, const VirtualSwitch &sim, int index = 1)
    {
        return link.openDevice(firstPath(sim, index).toLocal8Bit().constData());
    }

private slots:
    void commandReportsCarryTheTextBetweenIdAndCrLf()
    {
        VirtualSwitch sim;
        QVERIFY(sim.start());
        sim.connectSeam();
        hidEnumerate link;
        QVERIFY(open(link, sim));

        QVERIFY(link.sendCmd(QStringLiteral("test")).contains(QLatin1String("Command OK")));
        const QByteArray longest(29, 'x');
        link.sendCmd(QString::fromLatin1(longest));
        QTest::ignoreMessage(QtDebugMsg, "Command too long for a feature report.");
        QCOMPARE(link.sendCmd(QString(30, QLatin1Char('y'))), QString());

        const QList<QByteArray> sent = sim.commandReports();
        QCOMPARE(sent.size(), 2);
        QCOMPARE(sent.at(0), expectedReport("test"));
        QCOMPARE(sent.at(0).toHex(), QByteArray("01746573740d0a") + QByteArray(50, '0'));
        QCOMPARE(sent.at(1), expectedReport(longest));
        QCOMPARE(sent.at(1).at(30), '\r');
        QCOMPARE(sent.at(1).at(31), '\n');
        link.closeDevice();
    }

    void replyPiecesJoinInOrderAndOnlyTheReadEchoIsDropped()
    {
        VirtualSwitch sim({QStringLiteral("name1=Left desk,name2=Right desk,fw=V2.3.4"), QStringLiteral("echo")});
        QVERIFY(sim.start());
        sim.connectSeam();

        hidEnumerate plain;
        QVERIFY(open(plain, sim, 1));
        const QString status = plain.sendCmd(QStringLiteral("read"));
        const QStringList lines = status.split(QStringLiteral("\r\n"));
        const QStringList labelled = lines.filter(QStringLiteral(":"));
        QCOMPARE(labelled, (QStringList{QStringLiteral("module name: QV5830"), QStringLiteral("FW version: V2.3.4"),
                                        QStringLiteral("input port: 1"), QStringLiteral("switch mode: normal"),
                                        QStringLiteral("Port1: 1"), QStringLiteral("Port2: 1"),
                                        QStringLiteral("Port1 Name: Left desk"),
                                        QStringLiteral("Port2 Name: Right desk")}));
        QVERIFY(status.contains(QLatin1String("read Command OK")));
        QVERIFY(sim.trace().size() > 9); // one command report, many reply reports

        hidEnumerate echoing;
        QVERIFY(open(echoing, sim, 2));
        const QString echoedRead = echoing.sendCmd(QStringLiteral("read"));
        QVERIFY(!echoedRead.contains(QLatin1String("\u0001read")));
        QVERIFY(echoedRead.contains(QLatin1String("module name: QV5830\r\n")));
        const QString echoedTest = echoing.sendCmd(QStringLiteral("test"));
        QVERIFY(echoedTest.contains(QStringLiteral("\u0001test\r\n")));
        QVERIFY(echoedTest.contains(QLatin1String("Command OK")));
    }

    void anExchangeWithoutTheWordCommandEndsAtTheDeadline()
    {
        VirtualSwitch sim({QStringLiteral("silent"), QStringLiteral("split")});
        QVERIFY(sim.start());
        sim.connectSeam();

        hidEnumerate silent;
        QVERIFY(open(silent, sim, 1));
        QElapsedTimer clock;
        clock.start();
        const QString gathered = silent.sendCmd(QStringLiteral("read"));
        const qint64 took = clock.elapsed();
        QVERIFY2(took >= 500 && took < 3000, qPrintable(QString::number(took)));
        QVERIFY(gathered.contains(QLatin1String("Port2 Name: PC2")));
        QVERIFY(!gathered.contains(QLatin1String("Command")));

        hidEnumerate split;
        QVERIFY(open(split, sim, 2));
        clock.restart();
        const QString cut = split.sendCmd(QStringLiteral("test"));
        QVERIFY(clock.elapsed() >= 500);
        QVERIFY(cut.contains(QLatin1String("Comm")));
        QVERIFY(cut.contains(QLatin1String("and OK")));
        QVERIFY(!cut.contains(QLatin1String("Command")));
    }

    void failingReportsGiveAnEmptyReply()
    {
        VirtualSwitch sim({QStringLiteral("failread=3"), QStringLiteral("failsend")});
        QVERIFY(sim.start());
        sim.connectSeam();

        hidEnumerate link;
        QVERIFY(open(link, sim, 1));
        QTest::ignoreMessage(QtDebugMsg, "Unable to get a feature report.");
        QCOMPARE(link.sendCmd(QStringLiteral("read")), QString());
        QCOMPARE(sim.trace().count(), 1 + 2); // the command and two good pieces

        hidEnumerate refusing;
        QVERIFY(open(refusing, sim, 2));
        QTest::ignoreMessage(QtDebugMsg, "Unable to send a feature report.");
        QCOMPARE(refusing.sendCmd(QStringLiteral("test")), QString());
    }

    void aClosedLinkSendsNothing()
    {
        VirtualSwitch sim;
        QVERIFY(sim.start());
        sim.connectSeam();
        hidEnumerate link;
        QElapsedTimer clock;
        clock.start();
        QCOMPARE(link.sendCmd(QStringLiteral("test")), QString());
        QVERIFY(clock.elapsed() < 10); // no poll was made
        QVERIFY(open(link, sim));
        QVERIFY(link.closeDevice());
        QVERIFY(link.closeDevice());
        QCOMPARE(link.sendCmd(QStringLiteral("test")), QString());
        QVERIFY(sim.commandReports().isEmpty());
    }

    void aSwitchThatGoesAwayEndsTheExchangeCleanly()
    {
        VirtualSwitch sim({QStringLiteral("delay=120")});
        QVERIFY(sim.start());
        sim.connectSeam();
        hidEnumerate link;
        QVERIFY(open(link, sim));

        const QByteArray unplug = (QStringLiteral("\"%1\" --socket %2 ctl unplug 1")
                                       .arg(VirtualSwitch::executable(), sim.socketName()))
                                      .toLocal8Bit();
        std::thread unplugger([&unplug] {
            std::this_thread::sleep_for(std::chrono::milliseconds(200));
            QVERIFY(std::system(unplug.constData()) == 0);
        });
        QTest::ignoreMessage(QtDebugMsg, "Unable to get a feature report.");
        const QString reply = link.sendCmd(QStringLiteral("read"));
        unplugger.join();
        QCOMPARE(reply, QString());

        QVERIFY(sim.control({QStringLiteral("plug"), QStringLiteral("1")}));
        QVERIFY(!link.sendCmd(QStringLiteral("test")).isEmpty());
        sim.kill();
        QTest::ignoreMessage(QtDebugMsg, "Unable to send a feature report.");
        QCOMPARE(link.sendCmd(QStringLiteral("test")), QString());
        QVERIFY(link.closeDevice());
    }

    void anAcknowledgedPortSwitchHandsTheSwitchAway()
    {
        VirtualSwitch sim;
        QVERIFY(sim.start());
        sim.connectSeam();
        hidEnumerate link;
        QVERIFY(open(link, sim));
        QVERIFY(link.sendCmd(QStringLiteral("sw i00")).contains(QLatin1String("Command OK")));
        QVERIFY(sim.state(1).value(QStringLiteral("present")).toBool());
        QVERIFY(link.sendCmd(QStringLiteral("sw i01")).contains(QLatin1String("Command OK")));
        QCOMPARE(sim.state(1).value(QStringLiteral("port")).toInt(), 2);
        QVERIFY(!sim.state(1).value(QStringLiteral("present")).toBool());
        QTest::ignoreMessage(QtDebugMsg, "Unable to send a feature report.");
        QCOMPARE(link.sendCmd(QStringLiteral("test")), QString());

        QVERIFY(sim.control({QStringLiteral("set"), QStringLiteral("1"), QStringLiteral("port=1")}));
        QVERIFY(link.sendCmd(QStringLiteral("test")).contains(QLatin1String("Command OK")));
    }
};

QTEST_GUILESS_MAIN(CommandChannelTest)
#include "tst_commandchannel.moc"
