#include "../raisewindow.h"

#include <QGuiApplication>
#include <QWindow>
#include <QX11Info>

namespace platform {

// X11 has no z-order trick like the Windows one; raising and asking the
// window manager for activation is the equivalent.
void bringWindowToFront(std::uintptr_t nativeWindow)
{
    for (QWindow *window : QGuiApplication::allWindows()) {
        if (window->winId() == static_cast<WId>(nativeWindow)) {
            // A Wayland client cannot raise itself, and Qt 5.15's Wayland
            // client speaks no xdg-activation; a toplevel mapped anew is
            // what compositors put in front and focus, so a window that is
            // shown but not active is mapped again (the compositor places
            // it). Asking for the focus would only earn Qt's warning that
            // Wayland does not support it.
            if (QGuiApplication::platformName().startsWith(QLatin1String("wayland"))) {
                if (window->isVisible() && !window->isActive()) {
                    window->hide();
                    window->show();
                }
                return;
            }
            window->raise();
            // Qt asks for the focus with the time of the last X event it
            // saw. After the user has focused another window since, the
            // server (or the window manager) refuses a request that old;
            // with the server's current time it counts.
            if (QX11Info::isPlatformX11())
                QX11Info::setAppTime(QX11Info::getTimestamp());
            window->requestActivate();
            return;
        }
    }
}

} // namespace platform
