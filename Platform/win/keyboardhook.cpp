#include "../keyboardhook.h"

#include <windows.h>

#include <cstddef>

namespace platform {
namespace {

// A low-level hook procedure gets no context and cannot tell which of its
// installations the system is calling, so each installed keyboard hook gets
// a procedure of its own: one per slot, each bound to the handler it was
// installed with. Hooks live on the thread that installed them and the
// system calls them there, so the table needs no lock.
constexpr std::size_t kKeyboardSlots = 8;

struct KeyboardSlot
{
    HHOOK hook = nullptr;
    KeyEventHandler handler = nullptr;
};

KeyboardSlot g_keyboardSlots[kKeyboardSlots];

LRESULT dispatchKey(KeyboardSlot &slot, int code, WPARAM wParam, LPARAM lParam)
{
    const auto *record = reinterpret_cast<const KBDLLHOOKSTRUCT *>(lParam);
    if (!record || !slot.handler)
        return CallNextHookEx(slot.hook, code, wParam, lParam);
    const KeyEvent event { code, static_cast<unsigned>(wParam), static_cast<unsigned>(record->vkCode),
                           static_cast<unsigned>(record->scanCode) };
    const bool swallow = slot.handler(event);
    // The handler sees every call, but an event may only be kept from the
    // rest of the chain for a real action code: the system requires a
    // negative code to be passed on untouched.
    if (swallow && code >= 0)
        return 1;
    return CallNextHookEx(slot.hook, code, wParam, lParam);
}

template <std::size_t N>
LRESULT CALLBACK keyboardProc(int code, WPARAM wParam, LPARAM lParam)
{
    return dispatchKey(g_keyboardSlots[N], code, wParam, lParam);
}

using HookProc = LRESULT(CALLBACK *)(int, WPARAM, LPARAM);

const HookProc g_keyboardProcs[] = {
    keyboardProc<0>, keyboardProc<1>, keyboardProc<2>, keyboardProc<3>,
    keyboardProc<4>, keyboardProc<5>, keyboardProc<6>, keyboardProc<7>,
};
static_assert(sizeof g_keyboardProcs / sizeof g_keyboardProcs[0] == kKeyboardSlots,
              "one procedure per slot");
static_assert(WH_KEYBOARD_LL == 13 && WH_MOUSE_LL == 14, "low-level hook types");

LRESULT CALLBACK mouseProc(int code, WPARAM wParam, LPARAM lParam)
{
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

} // namespace

HookHandle installKeyboardHook(KeyEventHandler handler)
{
    if (!handler)
        return nullptr;
    for (std::size_t i = 0; i < kKeyboardSlots; ++i) {
        KeyboardSlot &slot = g_keyboardSlots[i];
        if (slot.hook)
            continue;
        // The handler is in place before the hook exists: the system may call
        // the procedure as soon as it is installed.
        slot.handler = handler;
        slot.hook = SetWindowsHookExW(WH_KEYBOARD_LL, g_keyboardProcs[i], GetModuleHandleW(nullptr), 0);
        if (!slot.hook)
            slot.handler = nullptr;
        return slot.hook;
    }
    return nullptr;
}

HookHandle installMouseHook()
{
    return SetWindowsHookExW(WH_MOUSE_LL, mouseProc, GetModuleHandleW(nullptr), 0);
}

void removeHook(HookHandle hook)
{
    if (!hook)
        return;
    HHOOK handle = static_cast<HHOOK>(hook);
    UnhookWindowsHookEx(handle);
    for (KeyboardSlot &slot : g_keyboardSlots) {
        if (slot.hook == handle)
            slot = KeyboardSlot {};
    }
}

} // namespace platform
