#include "../raisewindow.h"

#include <windows.h>

namespace platform {

void bringWindowToFront(std::uintptr_t nativeWindow)
{
    HWND window = reinterpret_cast<HWND>(nativeWindow);
    // Topmost and straight back to normal: the window ends up above every
    // other window without staying pinned on top.
    const UINT flags = SWP_NOMOVE | SWP_NOSIZE;
    SetWindowPos(window, HWND_TOPMOST, 0, 0, 0, 0, flags);
    SetWindowPos(window, HWND_NOTOPMOST, 0, 0, 0, 0, flags);
}

} // namespace platform
