#include "XServerProbe.h"

#include <X11/Xlib.h>

#include <X11/Xatom.h>
#include <X11/Xutil.h>

XServerProbe::XServerProbe()
    : m_display(XOpenDisplay(nullptr))
{
    if (m_display)
        XSelectInput(m_display, DefaultRootWindow(m_display), SubstructureNotifyMask);
}

XServerProbe::~XServerProbe()
{
    if (m_display)
        XCloseDisplay(m_display);
}

QList<Window> XServerProbe::topLevels() const
{
    Window root = 0;
    Window parent = 0;
    Window *children = nullptr;
    unsigned int count = 0;
    QList<Window> result;
    if (XQueryTree(m_display, DefaultRootWindow(m_display), &root, &parent, &children, &count)) {
        for (unsigned int i = 0; i < count; ++i) // bottom to top
            result.append(children[i]);
        XFree(children);
    }
    return result;
}

qint64 XServerProbe::pidOf(Window window) const
{
    const Atom pidAtom = XInternAtom(m_display, "_NET_WM_PID", True);
    if (pidAtom == None)
        return 0;
    Atom type = None;
    int format = 0;
    unsigned long items = 0;
    unsigned long remaining = 0;
    unsigned char *data = nullptr;
    qint64 pid = 0;
    if (XGetWindowProperty(m_display, window, pidAtom, 0, 1, False, XA_CARDINAL, &type, &format, &items, &remaining,
                           &data)
            == Success
        && data) {
        if (items == 1 && format == 32)
            pid = static_cast<qint64>(*reinterpret_cast<unsigned long *>(data));
        XFree(data);
    }
    return pid;
}

Window XServerProbe::windowOf(qint64 pid) const
{
    for (Window window : topLevels()) {
        if (pidOf(window) != pid)
            continue;
        char *name = nullptr;
        const bool titled = XFetchName(m_display, window, &name) && name && *name;
        if (name)
            XFree(name);
        if (titled)
            return window;
    }
    return 0;
}

bool XServerProbe::isViewable(Window window) const
{
    XWindowAttributes attributes {};
    return XGetWindowAttributes(m_display, window, &attributes) && attributes.map_state == IsViewable;
}

Window XServerProbe::topmostViewable() const
{
    const QList<Window> windows = topLevels();
    for (auto it = windows.crbegin(); it != windows.crend(); ++it) {
        if (isViewable(*it))
            return *it;
    }
    return 0;
}

Window XServerProbe::focus() const
{
    Window window = 0;
    int revert = 0;
    XGetInputFocus(m_display, &window, &revert);
    return window;
}

void XServerProbe::coverScreen()
{
    if (!m_cover) {
        const int screen = DefaultScreen(m_display);
        m_cover = XCreateSimpleWindow(m_display, DefaultRootWindow(m_display), 0, 0,
                                      static_cast<unsigned>(DisplayWidth(m_display, screen)),
                                      static_cast<unsigned>(DisplayHeight(m_display, screen)), 0, 0, 0);
    }
    XMapRaised(m_display, m_cover);
    XSync(m_display, False);
    XSetInputFocus(m_display, m_cover, RevertToParent, CurrentTime);
    XSync(m_display, False);
}

QList<Window> XServerProbe::takeMappedWindows()
{
    XSync(m_display, False);
    QList<Window> mapped;
    while (XPending(m_display)) {
        XEvent event;
        XNextEvent(m_display, &event);
        if (event.type == MapNotify)
            mapped.append(event.xmap.window);
    }
    return mapped;
}
