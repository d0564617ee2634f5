#pragma once

#include <cstdint>

namespace platform {

// Puts a shown window above all others without pinning it there and without
// moving or resizing it. `nativeWindow` is the window's native handle
// (QWindow::winId()).
void bringWindowToFront(std::uintptr_t nativeWindow);

} // namespace platform
