// The device command worker against the virtual switch: commands by mode,
// the status read and its parser, and the connected flag.

#include "StatusReply.h"
#include "VirtualSwitch.h"
#include "monitor.h"

#include <QtTest>

namespace {

QString pathOf(const VirtualSwitch &sim, int index = 1)
{
    return QString::fromLocal8Bit(sim.path(index));
}

QStringList commandsOf(const VirtualSwitch &sim, int index = 1)
{
    QStringList commands;
    for (const QJsonValue &command : sim.state(index).value(QStringLiteral("commands")).toArray())
        commands << command.toString();
    return commands;
}

// Without an X display the hooks cannot be installed; that is logged and
// changes nothing else.
void expectHookFailures()
{
    QTest::ignoreMessage(QtDebugMsg, "KB Hook Failed");
    QTest::ignoreMessage(QtDebugMsg, "Mouse Hook failed");
}

} // namespace

class MonitorTest : public QObject
{
    Q_OBJECT

private slots:
    void everyModeSendsItsCommand()
    {
        VirtualSwitch sim;
        QVERIFY(sim.startForThisProcess());
        Monitor monitor;
        Monitor *worker = Monitor::instance();
        expectHookFailures();
        QVERIFY(monitor.connectDevice(pathOf(sim)));
        QVERIFY(worker->isConnected());
        QCOMPARE(worker->vid(), QStringLiteral("1209"));
        QCOMPARE(worker->pid(), QStringLiteral("0001"));

        for (int mode : {0, 1, 2, 5, 6, 7, 8, 9}) {
            QVERIFY(monitor.postCmd(mode));
            QCOMPARE(monitor.property("res").toInt(), mode);
            QVERIFY(worker->isConnected());
        }
        QVERIFY(monitor.postCmd(3) && !worker->isConnected()); // to port 1, where this computer is: an acknowledged switch
        QCOMPARE(commandsOf(sim), (QStringList{"test", "videoswmode normal", "videoswmode faster", "sw l01",
                                               "sw l00", "clearallsetting", "update", "test", "sw i00"}));

        // A command the switch does not acknowledge leaves connected alone.
        expectHookFailures();
        QVERIFY(monitor.connectDevice(pathOf(sim)));
        QVERIFY(sim.control({QStringLiteral("set"), QStringLiteral("1"), QStringLiteral("silent")}));
        QVERIFY(!monitor.postCmd(4));
        QCOMPARE(monitor.property("res").toInt(), 0);
        QVERIFY(worker->isConnected());

        monitor.disconnectDevice();
        QVERIFY(!worker->isConnected() && worker->vid().isEmpty() && !monitor.postCmd(0)); // nothing open
        QCOMPARE(commandsOf(sim).size(), 10);
    }

    void theStatusReadFillsTheCache()
    {
        VirtualSwitch sim({QStringLiteral("model=QV5840,fw=V1.0.9,port=2,host=2,mode=faster,port1=online,"
                                          "name1=Desk: left:x,name2=  Laptop ,extra=Switch mode: normal")});
        QVERIFY(sim.startForThisProcess());
        Monitor monitor;
        expectHookFailures();
        QVERIFY(monitor.connectDevice(pathOf(sim)));
        const QVariantMap status = monitor.getSetting();
        // The miscased "Switch mode" line is ignored; names end at their first colon.
        const QVariantMap expected{{"modelname", "QV5840"}, {"version", "V1.0.9"}, {"curport", "2"}, {"smode", "faster"},
                                   {"Port1", "o"}, {"Port2", "1"}, {"Name1", "Desk"}, {"Name2", "Laptop"}};
        for (auto it = expected.cbegin(); it != expected.cend(); ++it)
            QCOMPARE(status.value(it.key()).toString(), it.value().toString());

        // A failed read keeps the last status.
        QVERIFY(sim.control({QStringLiteral("unplug"), QStringLiteral("1")}));
        QTest::ignoreMessage(QtDebugMsg, "Unable to send a feature report.");
        QCOMPARE(monitor.getSetting(), status);
        monitor.disconnectDevice();
    }

    void repliesParseIntoTheStatus_data()
    {
        QTest::addColumn<QStringList>("lines");
        QTest::addColumn<QString>("key");
        QTest::addColumn<QString>("value"); // empty: no status at all
        const QString ack = QStringLiteral("read Command OK");
        QTest::newRow("unacknowledged") << QStringList{"module name: X", "input port: 1"} << "modelname" << QString();
        QTest::newRow("lower-case acknowledgement") << QStringList{"read command ok"} << "modelname" << QString();
        QTest::newRow("a label twice keeps the later") << QStringList{"input port: 1", "input port: 2", ack} << "curport" << "2";
        QTest::newRow("a miscased label is ignored") << QStringList{"switch Mode: faster", ack} << "smode" << "normal";
        QTest::newRow("an empty value") << QStringList{"Port2:", ack} << "Port2" << "";
        QTest::newRow("the acknowledgement alone") << QStringList{ack} << "modelname" << "QV5830";
    }
    void repliesParseIntoTheStatus()
    {
        QFETCH(QStringList, lines);
        QFETCH(QString, key);
        QFETCH(QString, value);
        const auto status = StatusReply::parse(QStringLiteral("\uFFFD\r\n") + lines.join(QStringLiteral("\r\n")),
                                               StatusReply::defaults(QStringLiteral("Vemo")));
        QCOMPARE(status.has_value(), !value.isNull());
        if (status)
            QCOMPARE(status->value(key).toString(), value);
    }
};

QTEST_MAIN(MonitorTest)
#include "tst_monitor.moc"
