// The device command worker against the virtual switch: commands by mode,
// the status read and its parser, and the connected flag.

#include "InterfaceCodes.h"
#include "StatusReply.h"
#include "VirtualSwitch.h"
#include "monitor.h"

#include <QtTest>

namespace {

QStringList commandsOf(const VirtualSwitch &sim)
{
    return sim.state(1).value(QStringLiteral("commands")).toVariant().toStringList();
}

// Without an X display the hooks fail; that is logged, nothing else.
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
    void anAcknowledgedPortSwitchEndsTheConnection()
    {
        VirtualSwitch sim;
        QVERIFY(sim.startForThisProcess());
        Monitor monitor;
        Monitor *worker = Monitor::instance();
        expectHookFailures();
        QVERIFY(monitor.connectDevice(sim.path()));
        QVERIFY(worker->isConnected());
        QCOMPARE(worker->vid(), QStringLiteral("1209"));
        QCOMPARE(worker->pid(), QStringLiteral("0001"));

        // Which text each mode sends is checked in the end-to-end flows (the
        // switch's trace); here, what an acknowledgement does to the link.
        for (int mode : {0, int(Codes::TwoLane), int(Codes::FourLane)}) {
            QVERIFY(monitor.postCmd(mode));
            QCOMPARE(monitor.property("res").toInt(), mode);
            QVERIFY(worker->isConnected());
        }
        QVERIFY(monitor.postCmd(Codes::SwitchToPort1) && !worker->isConnected()); // to port 1, where this computer is
        QCOMPARE(commandsOf(sim).size(), 4);

        // The hotkey before any status read: the active port is read first,
        // not guessed (a guess naming port 1 is acknowledged by a switch on
        // port 1 without a hand-over, and the hotkey would be dead).
        expectHookFailures();
        QVERIFY(monitor.connectDevice(sim.path()));
        static_cast<HotkeyEnvironment *>(worker)->postCommand(Codes::SwitchToPort1);
        QTRY_VERIFY(!worker->isConnected());
        QCOMPARE(commandsOf(sim).mid(4), (QStringList{QStringLiteral("read"), QStringLiteral("sw i01")}));
        QVERIFY(sim.control({QStringLiteral("set"), QStringLiteral("1"), QStringLiteral("port=1")})); // handed back

        // A command the switch does not acknowledge leaves connected alone.
        expectHookFailures();
        QVERIFY(monitor.connectDevice(sim.path()));
        QVERIFY(sim.control({QStringLiteral("set"), QStringLiteral("1"), QStringLiteral("silent")}));
        QVERIFY(!monitor.postCmd(Codes::SwitchToPort2));
        QCOMPARE(monitor.property("res").toInt(), 0);
        QVERIFY(worker->isConnected());

        // A switch slow to acknowledge "update" is followed until it does,
        // without a second command; a refusal stays a refusal.
        QVERIFY(sim.control({QStringLiteral("set"), QStringLiteral("1"), QStringLiteral("silent=0"), QStringLiteral("delay=800")}));
        QVERIFY(!monitor.postCmd(Codes::UpgradeMode));
        QTest::ignoreMessage(QtDebugMsg, "No answer to update in time: waiting on for the switch");
        QVERIFY(monitor.upgradeModeEntered());
        QCOMPARE(monitor.property("res").toInt(), int(Codes::UpgradeMode));
        QVERIFY(!monitor.upgradeModeEntered()); // once per command
        QVERIFY(sim.control({QStringLiteral("set"), QStringLiteral("1"), QStringLiteral("delay=0"), QStringLiteral("refuse-update=1")}));
        QVERIFY(!monitor.postCmd(Codes::UpgradeMode) && !monitor.upgradeModeEntered());

        monitor.disconnectDevice();
        QVERIFY(!worker->isConnected() && worker->vid().isEmpty() && !monitor.postCmd(0)); // nothing open
        QCOMPARE(commandsOf(sim).size(), 9);
    }

    // Restored or stored hotkeys pass the editor's rule or are refused; the
    // worker never ends up with a broken one (the default takes its place).
    void hotkeysBreakingTheRuleAreRefused()
    {
        Monitor monitor;
        Monitor *worker = Monitor::instance();
        QTest::ignoreMessage(QtDebugMsg, QRegularExpression(QStringLiteral("^Hotkey refused: ")));
        QVERIFY(!monitor.setHotkey(QStringLiteral("A")));
        QCOMPARE(worker->hotkey(), QStringLiteral("Shift + Alt + S"));
        QVERIFY(monitor.setHotkey(QStringLiteral("Ctrl + Alt + K")));
        const QStringList refused{"", "K", "K + Ctrl", "Ctrl + Alt", "Ctrl + K + L", "Ctrl +  + K", "Ctrl + Shift + Alt + Win + Ctrl + K",
                                  QStringLiteral("Ctrl + ").repeated(20000) + "K"};
        for (const QString &hotkey : refused) {
            QVERIFY2(!monitor.isValidHotkey(hotkey), qPrintable(hotkey.left(40)));
            QTest::ignoreMessage(QtDebugMsg, QRegularExpression(QStringLiteral("^Hotkey refused: ")));
            QVERIFY(!monitor.setHotkey(hotkey));
            QCOMPARE(worker->hotkey(), QStringLiteral("Ctrl + Alt + K")); // the last good one stays
        }
        QVERIFY(monitor.isValidHotkey(QStringLiteral("Shift + Alt + S")) && monitor.isValidHotkey(QStringLiteral("Ctrl + Shift + Alt + Win + F4")));
    }

    void theStatusReadFillsTheCache()
    {
        VirtualSwitch sim({QStringLiteral("model=QV5840,fw=V1.0.9,port=2,host=2,mode=faster,port1=online,"
                                          "name1=Desk: left:x,name2=  Laptop ,extra=Switch mode: normal")});
        QVERIFY(sim.startForThisProcess());
        Monitor monitor;
        expectHookFailures();
        QVERIFY(monitor.connectDevice(sim.path()));
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

    void repliesParseIntoTheStatus()
    {
        const QVariantMap defaults = StatusReply::defaults(QStringLiteral("Vemo"));
        // Only the exact acknowledgement counts.
        QVERIFY(!StatusReply::parse(QStringLiteral("module name: X\r\nread command ok"), defaults));
        const auto status = StatusReply::parse(QStringLiteral("input port: 1\r\ninput port: 2\r\nread Command OK"), defaults);
        QVERIFY(status);
        QCOMPARE(status->value("curport").toString(), QStringLiteral("2")); // a label twice keeps the later
        QCOMPARE(status->value("modelname").toString(), QStringLiteral("QV5830")); // a label missing keeps its default
    }
};

QTEST_MAIN(MonitorTest)
#include "tst_monitor.moc"
