#pragma once

#include <optional>

namespace platform {

// A key as Windows' low-level keyboard hook names it: the virtual-key code
// and the set-1 scan code without its E0 prefix (the hook's scanCode field).
struct WindowsKey
{
    unsigned vkCode;
    unsigned scanCode;
};

// The Windows key for a Linux input-event key code (an X keycode minus 8),
// for a US layout: left and right modifiers apart, keypad keys as with
// Num Lock on. Nothing for codes Windows has no key for.
std::optional<WindowsKey> windowsKeyForEvdev(unsigned evdevCode);

} // namespace platform
