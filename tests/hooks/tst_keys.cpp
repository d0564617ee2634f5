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

constexpr unsigned kShift = 160, kCtrl = 162, kAlt = 164, kVkS = 83, kOne = 49, kVkF4 = 115, kVkDelete = 46,
                   kNumPadPlus = 107, kUnnamed = 0xE2, kA = 65;

// Only F4's scan code matters to the machine.
KeyEvent key(unsigned message, unsigned vk) { return {0, message, vk, vk == kVkF4 ? HotkeyMachine::kScanF4 : 0}; }
KeyEvent down(unsigned vk) { return key(platform::kKeyDown, vk); }
KeyEvent up(unsigned vk) { return key(platform::kKeyUp, vk); }
KeyEvent sysDown(unsigned vk) { return key(platform::kSysKeyDown, vk); }
KeyEvent sysUp(unsigned vk) { return key(platform::kSysKeyUp, vk); }

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
    QList<int> swallowed; // indexes of the events swallowed
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
        QTest::newRow("both alts: releasing one leaves the other held")
            << Keys{{kLeftAlt, true}, {kRightAlt, true}, {kLeftAlt, false}, {kRightAlt, false}} << "104/164/38 104/165/38 105/164/38 101/165/38";
        QTest::newRow("releases of keys not down, and keys without a Windows code, are dropped")
            << Keys{{kS, false}, {kLeftAlt, false}, {kNoWindowsKey, true}, {kS, true}, {kNoWindowsKey, false}, {kS, false}, {kS, false}}
            << "100/83/1f 101/83/1f";
        QTest::newRow("a second press of a held key is another key down")
            << Keys{{kLeftShift, true}, {kLeftShift, true}, {kLeftShift, false}, {kLeftShift, false}} << "100/160/2a 100/160/2a 101/160/2a";
    }
    void sequencesComeOutAsTheHookReportsThem()
    {
        QFETCH(Keys, keys);
        QFETCH(QString, expected);
        platform::KeyTracker tracker;
        QStringList events; // message/vk/scan, hex/decimal/hex
        for (const auto &key : keys) {
            if (const auto e = tracker.feed(key.first, key.second))
                events << QStringLiteral("%1/%2/%3").arg(e->message, 0, 16).arg(e->vkCode).arg(e->scanCode, 0, 16);
        }
        QCOMPARE(events.join(QLatin1Char(' ')), expected);
    }

    void theHotkeyMachineFollowsTheEvents_data()
    {
        QTest::addColumn<Case>("c");
        const QString shiftAltS = QStringLiteral("Shift + Alt + S");
        const QList<KeyEvent> shiftAltSDown = {down(kShift), sysDown(kAlt), sysDown(kVkS)};

        QTest::newRow("port 2 fires sw i00") << Case{0, shiftAltS, "2", true, false, shiftAltSDown, {}, {3}, 0, {}};
        QTest::newRow("a release in between fires nothing")
            << Case{0, shiftAltS, "1", true, false, {down(kShift), sysDown(kAlt), sysUp(kShift), sysDown(kVkS)}, {}, {}, 0, {}};
        QTest::newRow("auto-repeated first key resets")
            << Case{0, shiftAltS, "1", true, false, {down(kShift), down(kShift), sysDown(kAlt), sysDown(kVkS)}, {}, {}, 0, {}};
        QTest::newRow("port 1 fires sw i01 once per sequence, the repeat fires nothing")
            << Case{0, shiftAltS, "1", true, false, shiftAltSDown + QList<KeyEvent>{sysDown(kVkS)} + shiftAltSDown, {}, {4, 4}, 0, {}};
        QTest::newRow("not connected sends nothing") << Case{0, shiftAltS, "1", false, false, shiftAltSDown, {}, {}, 0, {}};
        QTest::newRow("busy sends nothing and swallows") << Case{0, shiftAltS, "1", true, true, shiftAltSDown, {}, {}, 0, {0, 1, 2}};
        QTest::newRow("NumPad + as the last key")
            << Case{0, QStringLiteral("Ctrl + NumPad +"), "1", true, false, {down(kCtrl), down(kNumPadPlus)}, {}, {4}, 0, {}};
        QTest::newRow("recording Ctrl 1")
            << Case{1, shiftAltS, "1", true, false, {down(kCtrl), down(kCtrl), down(kOne), up(kOne)},
                    {"-3", "Ctrl", "1", "-4"}, {}, 0, {}};
        // The empty name differs from the "-3" just reported, so it is reported.
        QTest::newRow("an unnamed first key, then a system key up ends the recording")
            << Case{1, shiftAltS, "1", true, false, {down(kUnnamed), sysDown(kAlt), sysUp(kAlt)}, {"-3", "", "Alt", "-4"}, {}, 0, {}};
        QTest::newRow("Alt+F4 while recording is swallowed, not with a negative hook code")
            << Case{1, shiftAltS, "1", true, false, {sysDown(kAlt), {-1, platform::kSysKeyDown, kVkF4, HotkeyMachine::kScanF4}, sysDown(kVkF4)},
                    {"-3", "Alt", "F4", "F4", "-1"}, {}, 1, {2}};
        QTest::newRow("a release with scan code 0x22A does not end a recording")
            << Case{1, shiftAltS, "1", true, false, {down(kCtrl), {0, platform::kKeyUp, kCtrl, 0x22A}}, {"-3", "Ctrl"}, {}, 1, {}};
        QTest::newRow("Delete while recording")
            << Case{1, shiftAltS, "1", true, false, {down(kVkDelete), up(kVkDelete)}, {"-2", "-2"}, {}, 1, {}};
        QTest::newRow("held: no command, only Delete reported, down and up")
            << Case{2, shiftAltS, "1", true, false, shiftAltSDown + QList<KeyEvent>{down(kA), up(kA), down(kVkDelete), up(kVkDelete)},
                    {"-2", "-2"}, {}, 2, {}};
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

        QList<int> swallowed;
        for (int i = 0; i < c.events.size(); ++i) {
            if (HotkeyMachine::onKeyEvent(state, environment, c.events.at(i)))
                swallowed << i;
        }
        QCOMPARE(environment.reports, c.reports);
        QCOMPARE(environment.commands, c.commands);
        QCOMPARE(state.hotkeyState, c.endState);
        QCOMPARE(swallowed, c.swallowed);
    }

    void codeListsBecomeNames_data()
    {
        QTest::addColumn<QString>("codes");
        QTest::addColumn<QString>("names");
        QTest::newRow("hotkey") << "162,164,83" << "Ctrl,Alt,S";
        QTest::newRow("unknown last keeps the comma") << "162,255" << "Ctrl,";
        QTest::newRow("unknown and empty codes add nothing") << "255,162,,164" << "Ctrl,Alt";
        QTest::newRow("codes are looked up as written") << "083, 83,83 ,65" << "A";
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
