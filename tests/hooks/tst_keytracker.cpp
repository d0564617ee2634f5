// Raw key codes turned into what Windows' low-level keyboard hook reports:
// the key table and the key/system-key message rule.

#include "Platform/linux/evdevkeys.h"
#include "Platform/linux/keytracker.h"

#include <QtTest>

#include <vector>

using platform::KeyEvent;

namespace {

// Input-event codes used below.
enum : unsigned {
    kEsc = 1, k1 = 2, k0 = 11, kQ = 16, kEnter = 28, kLeftCtrl = 29, kA = 30, kS = 31, kLeftShift = 42,
    kZ = 44, kM = 50, kRightShift = 54, kLeftAlt = 56, kF4 = 62, kF10 = 68, kKp7 = 71, kKp0 = 82,
    kKpDot = 83, kF11 = 87, kKpEnter = 96, kRightCtrl = 97, kKpSlash = 98, kRightAlt = 100,
    kDelete = 111, kLeftMeta = 125, kRightMeta = 126,
};

struct Expected
{
    unsigned message;
    unsigned vk;
    unsigned scan;
};

QString describe(const std::vector<KeyEvent> &events)
{
    QStringList parts;
    for (const KeyEvent &e : events)
        parts << QStringLiteral("%1/%2/%3").arg(e.message, 0, 16).arg(e.vkCode).arg(e.scanCode, 0, 16);
    return parts.join(QLatin1Char(' '));
}

QString describe(const std::vector<Expected> &events)
{
    QStringList parts;
    for (const Expected &e : events)
        parts << QStringLiteral("%1/%2/%3").arg(e.message, 0, 16).arg(e.vk).arg(e.scan, 0, 16);
    return parts.join(QLatin1Char(' '));
}

// Feeds (code, pressed) pairs to one tracker and collects what it reports.
std::vector<KeyEvent> run(platform::KeyTracker &tracker, std::initializer_list<std::pair<unsigned, bool>> keys)
{
    std::vector<KeyEvent> events;
    for (const auto &[code, pressed] : keys) {
        if (const auto event = tracker.feed(code, pressed))
            events.push_back(*event);
    }
    return events;
}

} // namespace

class KeyTrackerTest : public QObject
{
    Q_OBJECT

private slots:
    void theTableGivesWindowsCodes()
    {
        struct Row { unsigned evdev, vk, scan; };
        const Row rows[] = {
            { kEsc, 0x1B, 0x01 },      { k1, '1', 0x02 },         { k0, '0', 0x0B },
            { kQ, 'Q', 0x10 },         { kA, 'A', 0x1E },         { kS, 'S', 0x1F },
            { kZ, 'Z', 0x2C },         { kM, 'M', 0x32 },         { kEnter, 13, 0x1C },
            { kLeftShift, 160, 0x2A }, { kRightShift, 161, 0x36 }, { kLeftCtrl, 162, 0x1D },
            { kRightCtrl, 163, 0x1D }, { kLeftAlt, 164, 0x38 },   { kRightAlt, 165, 0x38 },
            { kLeftMeta, 91, 0x5B },   { kRightMeta, 92, 0x5C },  { 127, 93, 0x5D },
            { 59, 112, 0x3B },         { kF4, 115, 0x3E },        { kF10, 121, 0x44 },
            { kF11, 122, 0x57 },       { 88, 123, 0x58 },
            { kKp0, 96, 0x52 },        { kKp7, 103, 0x47 },       { 55, 106, 0x37 },
            { 78, 107, 0x4E },         { 74, 109, 0x4A },         { kKpDot, 110, 0x53 },
            { kKpSlash, 111, 0x35 },   { kKpEnter, 13, 0x1C },    { 69, 144, 0x45 },
            { 70, 145, 0x46 },         { 119, 19, 0x45 },         { 99, 44, 0x37 },
            { 39, 186, 0x27 },         { 13, 187, 0x0D },         { 51, 188, 0x33 },
            { 12, 189, 0x0C },         { 52, 190, 0x34 },         { 53, 191, 0x35 },
            { 41, 192, 0x29 },         { 26, 219, 0x1A },         { 43, 220, 0x2B },
            { 27, 221, 0x1B },         { 40, 222, 0x28 },         { 86, 0xE2, 0x56 },
            { 14, 8, 0x0E },           { 15, 9, 0x0F },           { 57, 32, 0x39 },
            { 58, 20, 0x3A },          { 102, 36, 0x47 },         { 103, 38, 0x48 },
            { 105, 37, 0x4B },         { 106, 39, 0x4D },         { 108, 40, 0x50 },
            { 104, 33, 0x49 },         { 109, 34, 0x51 },         { 107, 35, 0x4F },
            { 110, 45, 0x52 },         { kDelete, 46, 0x53 },     { 183, 124, 0x64 },
            { 194, 135, 0x76 },
        };
        for (const Row &row : rows) {
            const auto key = platform::windowsKeyForEvdev(row.evdev);
            QVERIFY2(key, qPrintable(QString::number(row.evdev)));
            QCOMPARE(key->vkCode, row.vk);
            QCOMPARE(key->scanCode, row.scan);
        }
        // Every letter and digit in between, too.
        const unsigned letterRows[] = { 16, 30, 44 };
        const char *letters[] = { "QWERTYUIOP", "ASDFGHJKL", "ZXCVBNM" };
        for (int r = 0; r < 3; ++r) {
            for (unsigned i = 0; letters[r][i]; ++i) {
                const auto key = platform::windowsKeyForEvdev(letterRows[r] + i);
                QVERIFY(key);
                QCOMPARE(key->vkCode, unsigned(letters[r][i]));
                QCOMPARE(key->scanCode, letterRows[r] + i);
            }
        }
        for (unsigned digit = 1; digit <= 9; ++digit)
            QCOMPARE(platform::windowsKeyForEvdev(digit + 1)->vkCode, '0' + digit);

        // Codes Windows has no key for, and codes beyond any table.
        for (unsigned code : { 0u, 84u, 85u, 117u, 121u, 240u, 0x2FFu, 0x300u, 100000u, ~0u })
            QVERIFY2(!platform::windowsKeyForEvdev(code), qPrintable(QString::number(code)));
    }

    void systemKeysFollowAltCtrlAndF10()
    {
        using platform::keyMessageFor;
        // Plain keys.
        QCOMPARE(keyMessageFor(true, 'S', false, false), 0x100u);
        QCOMPARE(keyMessageFor(false, 'S', false, false), 0x101u);
        // Alt held, Ctrl not.
        QCOMPARE(keyMessageFor(true, 'S', true, false), 0x104u);
        QCOMPARE(keyMessageFor(false, 'S', true, false), 0x105u);
        // Ctrl and Alt together are no system combination.
        QCOMPARE(keyMessageFor(true, 'S', true, true), 0x100u);
        QCOMPARE(keyMessageFor(false, 'S', true, true), 0x101u);
        // F10 always is one.
        QCOMPARE(keyMessageFor(true, 121, false, false), 0x104u);
        QCOMPARE(keyMessageFor(false, 121, false, false), 0x105u);
        QCOMPARE(keyMessageFor(true, 121, true, true), 0x104u);
        QCOMPARE(keyMessageFor(false, 121, false, true), 0x105u);
        // F4 and F11 are not.
        QCOMPARE(keyMessageFor(true, 115, false, false), 0x100u);
        QCOMPARE(keyMessageFor(true, 122, false, false), 0x100u);
    }

    void sequencesComeOutAsTheHookReportsThem()
    {
        struct Case
        {
            const char *name;
            std::initializer_list<std::pair<unsigned, bool>> keys;
            std::vector<Expected> expected;
        };
        const Case cases[] = {
            { "shift alt s, released in reverse",
              { { kLeftShift, true }, { kLeftAlt, true }, { kS, true }, { kS, false }, { kLeftAlt, false }, { kLeftShift, false } },
              { { 0x100, 160, 0x2A }, { 0x104, 164, 0x38 }, { 0x104, 83, 0x1F }, { 0x105, 83, 0x1F },
                { 0x101, 164, 0x38 }, { 0x101, 160, 0x2A } } },
            { "alt released before the key",
              { { kLeftAlt, true }, { kS, true }, { kLeftAlt, false }, { kS, false } },
              { { 0x104, 164, 0x38 }, { 0x104, 83, 0x1F }, { 0x101, 164, 0x38 }, { 0x101, 83, 0x1F } } },
            { "alt alone",
              { { kLeftAlt, true }, { kLeftAlt, false } },
              { { 0x104, 164, 0x38 }, { 0x101, 164, 0x38 } } },
            { "alt f4",
              { { kLeftAlt, true }, { kF4, true }, { kF4, false }, { kLeftAlt, false } },
              { { 0x104, 164, 0x38 }, { 0x104, 115, 0x3E }, { 0x105, 115, 0x3E }, { 0x101, 164, 0x38 } } },
            { "ctrl alt delete",
              { { kLeftCtrl, true }, { kLeftAlt, true }, { kDelete, true }, { kDelete, false }, { kLeftAlt, false }, { kLeftCtrl, false } },
              { { 0x100, 162, 0x1D }, { 0x100, 164, 0x38 }, { 0x100, 46, 0x53 }, { 0x101, 46, 0x53 },
                { 0x101, 164, 0x38 }, { 0x101, 162, 0x1D } } },
            { "ctrl let go while alt is held",
              { { kLeftAlt, true }, { kRightCtrl, true }, { kRightCtrl, false }, { kLeftAlt, false } },
              { { 0x104, 164, 0x38 }, { 0x100, 163, 0x1D }, { 0x105, 163, 0x1D }, { 0x101, 164, 0x38 } } },
            { "both alts: releasing one leaves the other held",
              { { kLeftAlt, true }, { kRightAlt, true }, { kLeftAlt, false }, { kRightAlt, false } },
              { { 0x104, 164, 0x38 }, { 0x104, 165, 0x38 }, { 0x105, 164, 0x38 }, { 0x101, 165, 0x38 } } },
            { "f10 alone",
              { { kF10, true }, { kF10, false } },
              { { 0x104, 121, 0x44 }, { 0x105, 121, 0x44 } } },
            { "releases of keys that are not down are dropped",
              { { kS, false }, { kLeftAlt, false }, { kS, true }, { kS, false }, { kS, false } },
              { { 0x100, 83, 0x1F }, { 0x101, 83, 0x1F } } },
            { "keys without a Windows code are dropped and leave the state alone",
              { { 85, true }, { kS, true }, { 85, false }, { kS, false } },
              { { 0x100, 83, 0x1F }, { 0x101, 83, 0x1F } } },
            { "a second press of a held key comes through as another key down",
              { { kLeftShift, true }, { kLeftShift, true }, { kLeftShift, false }, { kLeftShift, false } },
              { { 0x100, 160, 0x2A }, { 0x100, 160, 0x2A }, { 0x101, 160, 0x2A } } },
        };
        for (const Case &c : cases) {
            platform::KeyTracker tracker;
            const std::vector<KeyEvent> events = run(tracker, c.keys);
            QVERIFY2(describe(events) == describe(c.expected),
                     qPrintable(QStringLiteral("%1: got %2").arg(c.name, describe(events))));
            for (const KeyEvent &event : events)
                QCOMPARE(event.hookCode, 0);
        }
    }

    void keysHeldBeforeWatchingCount()
    {
        platform::KeyTracker tracker;
        tracker.markDown(kRightAlt);
        tracker.markDown(85);      // no Windows code: not tracked
        tracker.markDown(100000);  // out of range: ignored
        QVERIFY(tracker.isDown(kRightAlt));
        QVERIFY(!tracker.isDown(85));
        QVERIFY(!tracker.isDown(100000));
        const std::vector<KeyEvent> events = run(tracker, { { kS, true }, { kS, false }, { kRightAlt, false } });
        QCOMPARE(describe(events), describe(std::vector<Expected> {
                                       { 0x104, 83, 0x1F }, { 0x105, 83, 0x1F }, { 0x101, 165, 0x38 } }));
    }
};

QTEST_GUILESS_MAIN(KeyTrackerTest)
#include "tst_keytracker.moc"
