#include "../windowfront.h"

#include <QGuiApplication>
#include <QWindow>

namespace platform {

// X11 has no z-order trick like the Windows one; raising and asking the
// window manager for activation is the equivalent.
void bringWindowToFront(std::uintptr_t nativeWindow)
{
    for (QWindow *window : QGuiApplication::allWindows()) {
        if (window->winId() == static_cast<WId>(nativeWindow)) {
            window->raise();
            window->requestActivate();
            return;
        }
    }
}

} // namespace platform
