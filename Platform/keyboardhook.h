#pragma once

namespace platform {

// Keyboard messages as Windows' low-level keyboard hook reports them.
enum KeyMessage : unsigned {
    kKeyDown = 0x100,
    kKeyUp = 0x101,
    kSysKeyDown = 0x104,
    kSysKeyUp = 0x105,
};

// One keyboard event: the hook code, the message, the Windows virtual-key
// code and the set-1 scan code.
struct KeyEvent
{
    int hookCode;
    unsigned message;
    unsigned vkCode;
    unsigned scanCode;
};

// Called for every key event on the thread that installed the hook. Returns
// true to swallow the event, false to pass it on. (Where the system only
// lets us observe keys, the result has no effect.)
using KeyEventHandler = bool (*)(const KeyEvent &event);

using HookHandle = void *;

// Installs a system-wide low-level keyboard hook that feeds `handler`;
// null when it cannot be installed.
HookHandle installKeyboardHook(KeyEventHandler handler);
// Installs a system-wide low-level mouse hook that passes every event on;
// null when it cannot be installed.
HookHandle installMouseHook();
// Removes a hook returned by one of the two; null is ignored.
void removeHook(HookHandle hook);

} // namespace platform
