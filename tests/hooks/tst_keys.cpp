// Key sequences on their way to a port switch: raw key codes turned into
// what Windows' low-level keyboard hook reports, the hotkey state machine
// driven with those reports, and key-code lists turned into names.

#include "HotkeyMachine.h"
#include "KeyTable.h"
#include "Platform/linux/keytracker.h"

#include <QtTest>

using platform::KeyEvent;

namespace {

// Input-event codes.
enum : unsigned { kS = 31, kLeftShift = 42, kLeftAlt = 56, kRightAlt = 100, kNoWindowsKey = 85 };

using Keys = QList<QPair<unsigned, bool>>; // (code, pressed)

// "message/vk/scan" for each event, as hex/decimal/hex.
QString describe(const QList<KeyEvent> &events)
{
    QStringList parts;
    for (const KeyEvent &e : events)
        parts << QStringLiteral("%1/%2/%3").arg(e.message, 0, 16).arg(e.vkCode).arg(e.scanCode, 0, 16);
    return parts.join(QLatin1Char(' '));
}

QList<KeyEvent> feed(platform::KeyTracker &tracker, const Keys &keys)
{
    QList<KeyEvent> events;
    for (const auto &key : keys) {
        if (const auto event = tracker.feed(key.first, key.second))
            events << *event;
    }
    return events;
}

// The worker's side of the hotkey machine, recording what it is asked to do.
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

constexpr unsigned kShift = 160, kCtrl = 162, kAlt = 164, kVkS = 83, kOne = 49, kVkF4 = 115, kVkDelete = 46,
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

Q_DECLARE_METATYPE(Keys)
Q_DECLARE_METATYPE(Case)

class KeysTest : public QObject
{
    Q_OBJECT

private slots:
    void sequencesComeOutAsTheHookReportsThem_data()
    {
        QTest::addColumn<Keys>("keys");
        QTest::addColumn<QString>("expected");
        // The sequences xdotool can type run through the real hook in
        // tst_x11keys; these are the ones it cannot.
        QTest::newRow("alt released before the key")
            << Keys{{kLeftAlt, true}, {kS, true}, {kLeftAlt, false}, {kS, false}} << "104/164/38 104/83/1f 101/164/38 101/83/1f";
        QTest::newRow("both alts: releasing one leaves the other held")
            << Keys{{kLeftAlt, true}, {kRightAlt, true}, {kLeftAlt, false}, {kRightAlt, false}} << "104/164/38 104/165/38 105/164/38 101/165/38";
        QTest::newRow("releases of keys that are not down are dropped")
            << Keys{{kS, false}, {kLeftAlt, false}, {kS, true}, {kS, false}, {kS, false}} << "100/83/1f 101/83/1f";
        QTest::newRow("keys without a Windows code are dropped and leave the state alone")
            << Keys{{kNoWindowsKey, true}, {kS, true}, {kNoWindowsKey, false}, {kS, false}} << "100/83/1f 101/83/1f";
        QTest::newRow("a second press of a held key is another key down")
            << Keys{{kLeftShift, true}, {kLeftShift, true}, {kLeftShift, false}, {kLeftShift, false}} << "100/160/2a 100/160/2a 101/160/2a";
    }
    void sequencesComeOutAsTheHookReportsThem()
    {
        QFETCH(Keys, keys);
        QFETCH(QString, expected);
        platform::KeyTracker tracker;
        const QList<KeyEvent> events = feed(tracker, keys);
        QCOMPARE(describe(events), expected);
        for (const KeyEvent &event : events)
            QCOMPARE(event.hookCode, 0);
    }

    void theHotkeyMachineFollowsTheEvents_data()
    {
        QTest::addColumn<Case>("c");
        const QString shiftAltS = QStringLiteral("Shift + Alt + S");
        const QList<KeyEvent> shiftAltSDown = {down(kShift), sysDown(kAlt), sysDown(kVkS)};

        QTest::newRow("no hotkey, no command") << Case{0, QString(), "1", true, false, shiftAltSDown, {}, {}, 0, {}};
        QTest::newRow("port 1 fires sw i01 once, keys pass on")
            << Case{0, shiftAltS, "1", true, false, shiftAltSDown + QList<KeyEvent>{sysDown(kVkS)}, {}, {4}, 0, {}};
        QTest::newRow("port 2 fires sw i00") << Case{0, shiftAltS, "2", true, false, shiftAltSDown, {}, {3}, 0, {}};
        QTest::newRow("a release in between fires nothing")
            << Case{0, shiftAltS, "1", true, false, {down(kShift), sysDown(kAlt), sysUp(kShift), sysDown(kVkS)}, {}, {}, 0, {}};
        QTest::newRow("auto-repeated first key resets")
            << Case{0, shiftAltS, "1", true, false, {down(kShift), down(kShift), sysDown(kAlt), sysDown(kVkS)}, {}, {}, 0, {}};
        QTest::newRow("after a match the next key starts over")
            << Case{0, shiftAltS, "1", true, false, shiftAltSDown + shiftAltSDown, {}, {4, 4}, 0, {}};
        QTest::newRow("not connected sends nothing") << Case{0, shiftAltS, "1", false, false, shiftAltSDown, {}, {}, 0, {}};
        QTest::newRow("busy sends nothing and swallows")
            << Case{0, shiftAltS, "1", true, true, shiftAltSDown, {}, {}, 0, {true, true, true}};
        QTest::newRow("held sends nothing") << Case{2, shiftAltS, "1", true, false, shiftAltSDown, {}, {}, 2, {}};
        QTest::newRow("NumPad + as the last key")
            << Case{0, QStringLiteral("Ctrl + NumPad +"), "1", true, false, {down(kCtrl), down(kNumPadPlus)}, {}, {4}, 0, {}};
        QTest::newRow("NumPad + before another key never matches")
            << Case{0, QStringLiteral("NumPad + + Ctrl"), "1", true, false,
                    {down(kNumPadPlus), down(kCtrl), down(kNumPadPlus), down(kCtrl)}, {}, {}, 0, {}};
        QTest::newRow("recording Ctrl 1")
            << Case{1, shiftAltS, "1", true, false, {down(kCtrl), down(kCtrl), down(kOne), up(kOne)},
                    {"-3", "Ctrl", "1", "-4"}, {}, 0, {}};
        QTest::newRow("recording ends on a system key up")
            << Case{1, shiftAltS, "1", true, false, {sysDown(kAlt), sysUp(kAlt)}, {"-3", "Alt", "-4"}, {}, 0, {}};
        QTest::newRow("Alt+F4 while recording is swallowed")
            << Case{1, shiftAltS, "1", true, false, {sysDown(kAlt), sysDown(kVkF4)}, {"-3", "Alt", "F4", "-1"}, {}, 1,
                    {false, true}};
        QTest::newRow("F4 with a negative hook code is just recorded")
            << Case{1, shiftAltS, "1", true, false, {sysDown(kAlt), {-1, platform::kSysKeyDown, kVkF4, 0x3E}},
                    {"-3", "Alt", "F4"}, {}, 1, {}};
        QTest::newRow("an unnamed first key reports an empty name")
            << Case{1, shiftAltS, "1", true, false, {down(kUnnamed)}, {"-3", ""}, {}, 1, {}};
        QTest::newRow("a release with scan code 0x22A does not end a recording")
            << Case{1, shiftAltS, "1", true, false, {down(kCtrl), {0, platform::kKeyUp, kCtrl, 0x22A}}, {"-3", "Ctrl"}, {}, 1, {}};
        QTest::newRow("Delete while recording")
            << Case{1, shiftAltS, "1", true, false, {down(kVkDelete), up(kVkDelete)}, {"-2", "-2"}, {}, 1, {}};
        QTest::newRow("held reports only Delete, down and up")
            << Case{2, shiftAltS, "1", true, false, {down(kA), up(kA), down(kVkDelete), up(kVkDelete)}, {"-2", "-2"}, {}, 2, {}};
    }
    void theHotkeyMachineFollowsTheEvents()
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
        while (c.swallowed.size() < c.events.size())
            c.swallowed << false;
        QCOMPARE(swallowed, c.swallowed);
    }

    void codeListsBecomeNames_data()
    {
        QTest::addColumn<QString>("codes");
        QTest::addColumn<QString>("names");
        QTest::newRow("hotkey") << "162,164,83" << "Ctrl,Alt,S";
        QTest::newRow("empty") << "" << "";
        QTest::newRow("unknown first") << "255,162" << "Ctrl";
        QTest::newRow("unknown last keeps the comma") << "162,255" << "Ctrl,";
        QTest::newRow("unknown between") << "162,255,164" << "Ctrl,Alt";
        QTest::newRow("leading zero") << "083" << "";
        QTest::newRow("space before") << " 83" << "";
        QTest::newRow("space after") << "83 ,65" << "A";
        QTest::newRow("commas only") << ",," << "";
        QTest::newRow("empty between") << "65,,66" << "A,B";
    }
    void codeListsBecomeNames()
    {
        QFETCH(QString, codes);
        QFETCH(QString, names);
        QCOMPARE(KeyTable::convertVkcodes(KeyTable::build(), codes), names);
    }
};

QTEST_GUILESS_MAIN(KeysTest)
#include "tst_keys.moc"
