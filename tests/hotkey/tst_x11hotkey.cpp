// Records a hotkey through the real X11 keyboard hook and fires it, keys typed
// with xdotool, the command seen in the virtual switch's trace.

#include "VirtualSwitch.h"
#include "monitor.h"

#include <QProcess>
#include <QSignalSpy>
#include <QtTest>

namespace {

bool xdotool(const QStringList &args)
{
    return QProcess::execute(QStringLiteral("xdotool"), args) == 0;
}

int portSwitchesIn(const VirtualSwitch &sim, const QByteArray &command)
{
    const QByteArray report = (QByteArray(1, '\x01') + command + "\r\n").leftJustified(32, '\0');
    return sim.commandReports().count(report);
}

} // namespace

class X11HotkeyTest : public QObject
{
    Q_OBJECT

private slots:
    void aRecordedHotkeySwitchesThePortOnce()
    {
        VirtualSwitch sim;
        QVERIFY(sim.start());
        sim.connectSeam();
        Monitor monitor;
        QStringList reports;
        connect(&monitor, &Monitor::keyPressed, this, [&] { reports << monitor.property("keyname").toString(); });
        QVERIFY(monitor.connectDevice(sim.state(1).value("path").toString()));
        QCOMPARE(monitor.getSetting().value("curport").toString(), QStringLiteral("1"));

        // Recording: names as the keys go down, ended by the first release.
        monitor.restartHotkey(1);
        QVERIFY(xdotool({"keydown", "shift", "alt", "s"}));
        QVERIFY(xdotool({"keyup", "s", "alt", "shift"}));
        QTRY_COMPARE(reports, (QStringList{"-3", "Shift", "Alt", "S", "-4"}));
        QCOMPARE(portSwitchesIn(sim, "sw i01"), 0);
        monitor.setHotkey(reports.mid(1, 3).join(QStringLiteral(" + ")));
        monitor.restartHotkey(0);

        // A release in between: nothing.
        QVERIFY(xdotool({"keydown", "shift", "alt"}));
        QVERIFY(xdotool({"keyup", "alt"}));
        QVERIFY(xdotool({"keydown", "alt", "s"}));
        QVERIFY(xdotool({"keyup", "s", "alt", "shift"}));
        QTest::qWait(300);
        QCOMPARE(portSwitchesIn(sim, "sw i01"), 0);

        // The stored hotkey switches to port 2, once.
        QVERIFY(xdotool({"key", "shift+alt+s"}));
        QTRY_COMPARE(portSwitchesIn(sim, "sw i01"), 1);
        QTRY_VERIFY(!sim.state(1).value("present").toBool());
        QVERIFY(xdotool({"key", "shift+alt+s"}));
        QTest::qWait(300);
        QCOMPARE(portSwitchesIn(sim, "sw i01"), 1);
        QCOMPARE(portSwitchesIn(sim, "sw i00"), 0);
        monitor.disconnectDevice();
    }
};

QTEST_MAIN(X11HotkeyTest)
#include "tst_x11hotkey.moc"
