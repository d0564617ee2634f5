#include "../keyboardhook.h"

#include "keytracker.h"

#include <QAbstractEventDispatcher>
#include <QCoreApplication>
#include <QObject>
#include <QSocketNotifier>
#include <QtGlobal>

#include <memory>

// Xlib's macros (None, Bool, Status, KeyPress...) clash with Qt's names, so
// it comes after every Qt header.
#include <X11/Xlib.h>
#include <X11/extensions/XInput2.h>

namespace platform {
namespace {

// What removeHook receives, whichever install function made it.
class LinuxHook
{
public:
    virtual ~LinuxHook() = default;
    virtual void dispose() { delete this; }
};

// X has nothing to intercept mouse events with and nothing needs them: the
// token only says that an X display was there.
class MouseHookToken final : public LinuxHook
{
};

Display *openDisplay()
{
    return XOpenDisplay(nullptr);
}

// XInput 2.2 or later, or the opcode of nothing.
bool queryXInput22(Display *display, int *opcode)
{
    int event = 0;
    int error = 0;
    if (!XQueryExtension(display, "XInputExtension", opcode, &event, &error))
        return false;
    int major = 2;
    int minor = 2;
    if (XIQueryVersion(display, &major, &minor) != Success)
        return false;
    return major > 2 || (major == 2 && minor >= 2);
}

// Raw key events of every keyboard, read on a connection of our own. Raw
// events reach every client that asks, whatever window has the focus, and
// carry no auto-repeat; nobody can hold them back, so keys are observed,
// never swallowed.
class X11KeyboardHook final : public LinuxHook
{
public:
    static X11KeyboardHook *open(KeyEventHandler handler)
    {
        auto *dispatcher = QAbstractEventDispatcher::instance();
        if (!handler || !QCoreApplication::instance() || !dispatcher)
            return nullptr;
        Display *display = openDisplay();
        if (!display) {
            qWarning("Keyboard hook: no X display");
            return nullptr;
        }
        int opcode = 0;
        if (!queryXInput22(display, &opcode)) {
            qWarning("Keyboard hook: the X server lacks XInput 2.2");
            XCloseDisplay(display);
            return nullptr;
        }
        return new X11KeyboardHook(display, opcode, handler, dispatcher);
    }

    ~X11KeyboardHook() override
    {
        m_notifier.reset();
        XCloseDisplay(m_display);
    }

    // A handler may remove its own hook; the hook then goes once the events
    // in hand are done with.
    void dispose() override
    {
        if (m_draining) {
            m_disposed = true;
            return;
        }
        delete this;
    }

private:
    X11KeyboardHook(Display *display, int opcode, KeyEventHandler handler, QAbstractEventDispatcher *dispatcher)
        : m_display(display)
        , m_opcode(opcode)
        , m_handler(handler)
    {
        selectRawKeys();
        seedHeldKeys();
        m_notifier = std::make_unique<QSocketNotifier>(ConnectionNumber(m_display), QSocketNotifier::Read);
        QObject::connect(m_notifier.get(), &QSocketNotifier::activated, m_notifier.get(), [this] { drain(); });
        // Xlib reads whatever has arrived whenever it waits for a reply, and
        // events it has queued that way no longer wake the socket notifier:
        // look at the queue each time the loop is about to sleep.
        QObject::connect(dispatcher, &QAbstractEventDispatcher::aboutToBlock, m_notifier.get(), [this] { drain(); });
    }

    void selectRawKeys()
    {
        unsigned char bits[XIMaskLen(XI_LASTEVENT)] = {};
        XISetMask(bits, XI_RawKeyPress);
        XISetMask(bits, XI_RawKeyRelease);
        XIEventMask mask;
        mask.deviceid = XIAllMasterDevices;
        mask.mask_len = sizeof bits;
        mask.mask = bits;
        XISelectEvents(m_display, DefaultRootWindow(m_display), &mask, 1);
        XSync(m_display, False);
    }

    // A key already held when the hook starts is down: its release is a
    // real release, and a held Alt makes system keys as it should.
    void seedHeldKeys()
    {
        char keys[32] = {};
        XQueryKeymap(m_display, keys);
        for (unsigned keycode = 8; keycode < 256; ++keycode) {
            if (keys[keycode / 8] & (1 << (keycode % 8)))
                m_keys.markDown(keycode - 8);
        }
    }

    void drain()
    {
        if (m_draining)
            return;
        m_draining = true;
        while (!m_disposed && XPending(m_display) > 0) {
            XEvent event;
            XNextEvent(m_display, &event);
            handle(event);
        }
        m_draining = false;
        if (m_disposed)
            delete this;
    }

    void handle(XEvent &event)
    {
        XGenericEventCookie *cookie = &event.xcookie;
        if (cookie->type != GenericEvent || cookie->extension != m_opcode || !XGetEventData(m_display, cookie))
            return;
        std::optional<KeyEvent> key;
        if (cookie->evtype == XI_RawKeyPress || cookie->evtype == XI_RawKeyRelease) {
            const auto *raw = static_cast<const XIRawEvent *>(cookie->data);
            if (raw->detail >= 8)
                key = m_keys.feed(static_cast<unsigned>(raw->detail - 8), cookie->evtype == XI_RawKeyPress);
        }
        XFreeEventData(m_display, cookie);
        // Nothing can be swallowed here: the answer is not used.
        if (key)
            m_handler(*key);
    }

    Display *m_display;
    int m_opcode;
    KeyEventHandler m_handler;
    KeyTracker m_keys;
    std::unique_ptr<QSocketNotifier> m_notifier;
    bool m_draining = false;
    bool m_disposed = false;
};

} // namespace

HookHandle installKeyboardHook(KeyEventHandler handler)
{
    return static_cast<LinuxHook *>(X11KeyboardHook::open(handler));
}

HookHandle installMouseHook()
{
    Display *display = openDisplay();
    if (!display)
        return nullptr;
    XCloseDisplay(display);
    return static_cast<LinuxHook *>(new MouseHookToken);
}

void removeHook(HookHandle hook)
{
    if (hook)
        static_cast<LinuxHook *>(hook)->dispose();
}

} // namespace platform
