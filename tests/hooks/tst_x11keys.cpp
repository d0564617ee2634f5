// The X11 keyboard hook against a real X server: keys typed with xdotool
// (XTEST) come back as the events Windows' low-level hook would report,
// delivered by a Qt event loop that sleeps between events as the program's
// does (QTRY_ and qWait poll instead, and never let the loop block). The
// end-to-end flows record and fire hotkeys through it.

#include "Platform/keyboardhook.h"

#include <QEventLoop>
#include <QProcess>
#include <QStandardPaths>
#include <QTimer>
#include <QtTest>

#include <memory>
#include <vector>

using platform::KeyEvent;

namespace {

std::vector<KeyEvent> g_first;
platform::HookHandle g_selfRemoving = nullptr;
std::vector<KeyEvent> g_selfRemovingSeen;

// The loop a test sleeps in until a list holds enough events.
struct Waiter
{
    QEventLoop *loop = nullptr;
    const std::vector<KeyEvent> *events = nullptr;
    std::size_t count = 0;
} g_waiter;

void wake()
{
    if (g_waiter.loop && g_waiter.events->size() >= g_waiter.count)
        g_waiter.loop->quit();
}

// With `keys`, xdotool starts once the loop runs, so the keys arrive while
// it sleeps; without, they are already waiting when it starts.
bool waitForEvents(const std::vector<KeyEvent> &events, std::size_t count, const QString &keys = QString())
{
    QProcess typist;
    if (events.size() < count) {
        QEventLoop loop;
        QTimer::singleShot(5000, &loop, &QEventLoop::quit);
        if (!keys.isEmpty()) {
            QTimer::singleShot(0, &loop, [&] {
                typist.start(QStringLiteral("xdotool"), keys.split(QLatin1Char(' ')));
            });
        }
        g_waiter = { &loop, &events, count };
        loop.exec();
        g_waiter = {};
    }
    typist.waitForFinished();
    return events.size() >= count;
}

bool recordFirst(const KeyEvent &event)
{
    g_first.push_back(event);
    wake();
    return true; // asks to swallow: has no effect here
}

bool removeOwnHook(const KeyEvent &event)
{
    g_selfRemovingSeen.push_back(event);
    platform::removeHook(g_selfRemoving);
    return false;
}

QString describe(const std::vector<KeyEvent> &events)
{
    QStringList parts;
    for (const KeyEvent &e : events)
        parts << QStringLiteral("%1:%2 %3 %4")
                     .arg(e.hookCode)
                     .arg(e.message, 0, 16)
                     .arg(e.vkCode)
                     .arg(e.scanCode, 2, 16, QLatin1Char('0'));
    return parts.join(QStringLiteral(", "));
}

bool xdotool(const QString &keys)
{
    return QProcess::execute(QStringLiteral("xdotool"), keys.split(QLatin1Char(' '))) == 0;
}

// Removes its hook however the test function ends.
using Hook = std::unique_ptr<void, decltype(&platform::removeHook)>;
Hook hook(platform::HookHandle handle) { return Hook(handle, &platform::removeHook); }

} // namespace

class X11KeysTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        QVERIFY2(!QStandardPaths::findExecutable(QStringLiteral("xdotool")).isEmpty(), "xdotool is needed");
        QVERIFY(!qgetenv("DISPLAY").isEmpty());
    }

    void init()
    {
        g_first.clear();
        g_selfRemovingSeen.clear();
    }

    void keysComeBackAsWindowsReportsThem_data()
    {
        QTest::addColumn<QString>("keys");
        QTest::addColumn<QString>("expected");
        // Alt makes system keys unless a Ctrl is down too; Alt's own release is a plain key up.
        QTest::newRow("shift alt f4")
            << "keydown Shift_L keydown Alt_L keydown F4 keyup F4 keyup Alt_L keyup Shift_L"
            << "0:100 160 2a, 0:104 164 38, 0:104 115 3e, 0:105 115 3e, 0:101 164 38, 0:101 160 2a";
        // xdotool presses the first key of a modifier with any key bound to
        // that modifier; a keycode of its own (105: right Ctrl) avoids that.
        QTest::newRow("either ctrl with alt, let go while alt is held")
            << "keydown Control_L keydown Alt_L keydown Delete keyup Delete keyup Control_L keydown 105 keyup 105 keyup Alt_L"
            << "0:100 162 1d, 0:100 164 38, 0:100 46 53, 0:101 46 53, 0:105 162 1d, 0:100 163 1d, 0:105 163 1d, 0:101 164 38";
        QTest::newRow("f10 is always a system key") << "keydown F10 keyup F10" << "0:104 121 44, 0:105 121 44";
    }

    void keysComeBackAsWindowsReportsThem()
    {
        QFETCH(QString, keys);
        QFETCH(QString, expected);
        const Hook first = hook(platform::installKeyboardHook(recordFirst));
        QVERIFY(first && xdotool(keys));
        waitForEvents(g_first, std::size_t(expected.count(QLatin1Char(',')) + 1));
        QCOMPARE(describe(g_first), expected);
    }

    void aHandlerMayRemoveItsOwnHook()
    {
        // The witness sees all four events, the removed hook none after its first.
        const Hook witness = hook(platform::installKeyboardHook(recordFirst));
        g_selfRemoving = platform::installKeyboardHook(removeOwnHook);
        QVERIFY(witness.get() && g_selfRemoving);
        QVERIFY(waitForEvents(g_first, 4, QStringLiteral("keydown c keyup c keydown d keyup d")));
        QCOMPARE(describe(g_selfRemovingSeen), QStringLiteral("0:100 67 2e"));
    }

    void aKeyHeldAtInstallationIsReleasedNormally()
    {
        QVERIFY(xdotool(QStringLiteral("keydown 108"))); // right Alt
        const Hook first = hook(platform::installKeyboardHook(recordFirst));
        QVERIFY(first && xdotool(QStringLiteral("keydown x keyup x keyup 108")));
        QVERIFY(waitForEvents(g_first, 3));
        QCOMPARE(describe(g_first), QStringLiteral("0:104 88 2d, 0:105 88 2d, 0:101 165 38"));
    }

    // Last: it takes the display away.
    void withoutADisplayNothingInstalls()
    {
        QVERIFY(hook(platform::installMouseHook()));
        QVERIFY(!platform::installKeyboardHook(nullptr));
        qputenv("DISPLAY", ":4097"); // nobody answers there
        QVERIFY(!platform::installKeyboardHook(recordFirst));
        QVERIFY(!platform::installMouseHook());
    }
};

QTEST_MAIN(X11KeysTest)
#include "tst_x11keys.moc"
