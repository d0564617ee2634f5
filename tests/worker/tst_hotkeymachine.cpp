// The keyboard hook's state machine, driven with the events Windows' low-level
// hook reports, case by case from a table.

#include "HotkeyMachine.h"
#include "KeyTable.h"

#include <QtTest>

namespace {

using platform::KeyEvent;

struct Environment : HotkeyEnvironment
{
    QMap<QString, QVariant> table = KeyTable::build();
    QString port;
    HotkeyState *state = nullptr;
    QStringList reports;
    QList<int> commands;

    QString keyName(unsigned vkCode) const override { return KeyTable::nameOf(table, vkCode); }
    QString activePort() const override { return port; }
    void keyReported() override { reports << state->keyname; }
    void postCommand(int mode) override
    {
        commands << mode;
        state->busy = false; // as the worker's postCmd does
    }
};

unsigned scanOf(unsigned vk)
{
    switch (vk) {
    case 115: return 0x3E; // F4
    case 160: return 0x2A;
    case 162: return 0x1D;
    case 164: return 0x38;
    default: return 0x10 + (vk & 0x3F);
    }
}

KeyEvent down(unsigned vk) { return {0, platform::kKeyDown, vk, scanOf(vk)}; }
KeyEvent up(unsigned vk) { return {0, platform::kKeyUp, vk, scanOf(vk)}; }
KeyEvent sysDown(unsigned vk) { return {0, platform::kSysKeyDown, vk, scanOf(vk)}; }
KeyEvent sysUp(unsigned vk) { return {0, platform::kSysKeyUp, vk, scanOf(vk)}; }

constexpr unsigned kShift = 160, kCtrl = 162, kAlt = 164, kS = 83, kOne = 49, kF4 = 115, kDelete = 46,
                   kNumPadPlus = 107, kUnnamed = 0xE2, kA = 65;

struct Case
{
    int startState;
    QString hotkey;
    QString port;
    bool connected;
    bool busy;
    QList<KeyEvent> events;
    QStringList reports;
    QList<int> commands;
    int endState;
    QList<bool> swallowed; // empty: nothing swallowed
};

} // namespace

Q_DECLARE_METATYPE(Case)

class HotkeyMachineTest : public QObject
{
    Q_OBJECT

private slots:
    void events_data()
    {
        QTest::addColumn<Case>("c");
        const QString shiftAltS = QStringLiteral("Shift + Alt + S");
        const QList<KeyEvent> shiftAltSDown = {down(kShift), sysDown(kAlt), sysDown(kS)};

        QTest::newRow("no hotkey, no command")
            << Case{0, QString(), "1", true, false, shiftAltSDown, {}, {}, 0, {}};
        QTest::newRow("port 1 fires sw i01 once, keys pass on")
            << Case{0, shiftAltS, "1", true, false, shiftAltSDown + QList<KeyEvent>{sysDown(kS)}, {}, {4}, 0, {}};
        QTest::newRow("port 2 fires sw i00")
            << Case{0, shiftAltS, "2", true, false, shiftAltSDown, {}, {3}, 0, {}};
        QTest::newRow("unknown port fires sw i00")
            << Case{0, shiftAltS, QString(), true, false, shiftAltSDown, {}, {3}, 0, {}};
        QTest::newRow("a release in between fires nothing")
            << Case{0, shiftAltS, "1", true, false, {down(kShift), sysDown(kAlt), sysUp(kShift), sysDown(kS)},
                    {}, {}, 0, {}};
        QTest::newRow("auto-repeated first key resets")
            << Case{0, shiftAltS, "1", true, false, {down(kShift), down(kShift), sysDown(kAlt), sysDown(kS)},
                    {}, {}, 0, {}};
        QTest::newRow("after a match the next key starts over")
            << Case{0, shiftAltS, "1", true, false, shiftAltSDown + shiftAltSDown, {}, {4, 4}, 0, {}};
        QTest::newRow("not connected sends nothing")
            << Case{0, shiftAltS, "1", false, false, shiftAltSDown, {}, {}, 0, {}};
        QTest::newRow("busy sends nothing and swallows")
            << Case{0, shiftAltS, "1", true, true, shiftAltSDown, {}, {}, 0, {true, true, true}};
        QTest::newRow("held sends nothing")
            << Case{2, shiftAltS, "1", true, false, shiftAltSDown, {}, {}, 2, {}};
        QTest::newRow("an unknown state never fires")
            << Case{5, shiftAltS, "1", true, false, shiftAltSDown, {}, {}, 5, {}};
        QTest::newRow("NumPad + as the last key")
            << Case{0, QStringLiteral("Ctrl + NumPad +"), "1", true, false, {down(kCtrl), down(kNumPadPlus)},
                    {}, {4}, 0, {}};
        QTest::newRow("NumPad + before another key never matches")
            << Case{0, QStringLiteral("NumPad + + Ctrl"), "1", true, false,
                    {down(kNumPadPlus), down(kCtrl), down(kNumPadPlus), down(kCtrl)}, {}, {}, 0, {}};

        QTest::newRow("recording Ctrl 1")
            << Case{1, shiftAltS, "1", true, false, {down(kCtrl), down(kCtrl), down(kOne), up(kOne)},
                    {"-3", "Ctrl", "1", "-4"}, {}, 0, {}};
        QTest::newRow("recording ends on a system key up")
            << Case{1, shiftAltS, "1", true, false, {sysDown(kAlt), sysUp(kAlt)}, {"-3", "Alt", "-4"}, {}, 0, {}};
        QTest::newRow("Alt+F4 while recording is swallowed")
            << Case{1, shiftAltS, "1", true, false, {sysDown(kAlt), sysDown(kF4)}, {"-3", "Alt", "F4", "-1"},
                    {}, 1, {false, true}};
        QTest::newRow("F4 with a negative hook code is just recorded")
            << Case{1, shiftAltS, "1", true, false, {sysDown(kAlt), {-1, platform::kSysKeyDown, kF4, 0x3E}},
                    {"-3", "Alt", "F4"}, {}, 1, {}};
        QTest::newRow("an unnamed first key reports an empty name")
            << Case{1, shiftAltS, "1", true, false, {down(kUnnamed)}, {"-3", ""}, {}, 1, {}};
        QTest::newRow("a release with scan code 0x22A does not end a recording")
            << Case{1, shiftAltS, "1", true, false, {down(kCtrl), {0, platform::kKeyUp, kCtrl, 0x22A}},
                    {"-3", "Ctrl"}, {}, 1, {}};
        QTest::newRow("Delete while recording")
            << Case{1, shiftAltS, "1", true, false, {down(kDelete), up(kDelete)}, {"-2", "-2"}, {}, 1, {}};
        QTest::newRow("held reports only Delete, down and up")
            << Case{2, shiftAltS, "1", true, false, {down(kA), up(kA), down(kDelete), up(kDelete)},
                    {"-2", "-2"}, {}, 2, {}};
    }

    void events()
    {
        QFETCH(Case, c);
        HotkeyState state;
        state.hotkeyState = c.startState;
        state.hotkey = c.hotkey;
        state.connected = c.connected;
        state.busy = c.busy;
        Environment environment;
        environment.port = c.port;
        environment.state = &state;

        QList<bool> swallowed;
        for (const KeyEvent &event : qAsConst(c.events))
            swallowed << HotkeyMachine::onKeyEvent(state, environment, event);

        QCOMPARE(environment.reports, c.reports);
        QCOMPARE(environment.commands, c.commands);
        QCOMPARE(state.hotkeyState, c.endState);
        QList<bool> expected = c.swallowed;
        while (expected.size() < c.events.size())
            expected << false;
        QCOMPARE(swallowed, expected);
    }

    void matchIndexFollowsTheKeys()
    {
        HotkeyState state;
        state.hotkey = QStringLiteral("Shift + Alt + S");
        Environment environment;
        environment.state = &state;
        HotkeyMachine::onKeyEvent(state, environment, down(kShift));
        HotkeyMachine::onKeyEvent(state, environment, sysDown(kAlt));
        QCOMPARE(state.matchIndex, 2);
        HotkeyMachine::onKeyEvent(state, environment, sysDown(kS));
        QCOMPARE(state.matchIndex, 3); // stays complete until the next key-down
        HotkeyMachine::onKeyEvent(state, environment, up(kS));
        QCOMPARE(state.matchIndex, 0);

        state.hotkey.clear();
        state.matchIndex = 1;
        HotkeyMachine::onKeyEvent(state, environment, down(kA));
        QCOMPARE(state.matchIndex, 1);
    }
};

QTEST_GUILESS_MAIN(HotkeyMachineTest)
#include "tst_hotkeymachine.moc"
