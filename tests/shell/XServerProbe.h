#pragma once

#include <QList>
#include <QtGlobal>

// Xlib's names stay out of the tests: its macros clash with Qt's headers.
struct _XDisplay;
using Window = unsigned long;

// What the X server says about top-level windows: stacking order, input
// focus, mapping, and which windows were mapped since the last look. The
// tests use it to see what the program really did on screen.
class XServerProbe
{
public:
    XServerProbe();
    ~XServerProbe();
    XServerProbe(const XServerProbe &) = delete;
    XServerProbe &operator=(const XServerProbe &) = delete;

    bool isOpen() const { return m_display != nullptr; }

    // The viewable-or-not top-level window that process `pid` created for its
    // interface (the one carrying _NET_WM_PID and a title); 0 if none.
    Window windowOf(qint64 pid) const;
    bool isViewable(Window window) const;
    // The viewable top-level window highest in the stacking order.
    Window topmostViewable() const;
    Window focus() const;

    // Maps a screen-sized window of the test's own above everything and
    // gives it the input focus, so that coming to the front shows.
    void coverScreen();
    Window cover() const { return m_cover; }

    // Windows mapped on the screen since the previous call.
    QList<Window> takeMappedWindows();

private:
    QList<Window> topLevels() const;
    qint64 pidOf(Window window) const;

    _XDisplay *m_display = nullptr;
    Window m_cover = 0;
};
