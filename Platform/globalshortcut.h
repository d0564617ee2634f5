#pragma once

#include "keyboardhook.h"

#include <memory>
#include <optional>
#include <string>

namespace platform {

// A hotkey granted by the desktop instead of watched by a keyboard hook.
// Wayland compositors let no client see the keys other clients get, so
// there the desktop's shortcut service (the GlobalShortcuts portal) presses
// the hotkey for us; on Windows and on X11 the low-level hook does.

// Told on the GUI thread what became of the shortcut.
class GlobalShortcutListener
{
public:
    virtual ~GlobalShortcutListener() = default;
    // The user pressed the shortcut.
    virtual void shortcutActivated() = 0;
    // The desktop bound the shortcut; `trigger` is the keys as the desktop
    // shows them (it may have asked the user for others), empty when it did
    // not say.
    virtual void shortcutBound(const std::string &trigger) = 0;
    // The desktop has no shortcut service or refused this one; `reason` is a
    // fixed English text for the log.
    virtual void shortcutRefused(const std::string &reason) = 0;
};

class GlobalShortcut
{
public:
    // Ends the desktop's session: the shortcut is let go.
    virtual ~GlobalShortcut() = default;
    // Asks for `hotkey`, key names joined by " + " ("Shift + Alt + S"),
    // replacing what was bound before; empty lets the shortcut go.
    virtual void bind(const std::string &hotkey) = 0;
};

// Whether the session is one where hotkeys must come from the desktop's
// shortcut service: the platform Qt runs on is Wayland.
bool hotkeyNeedsDesktopShortcut();

// A session with the desktop's shortcut service, reporting to `listener`
// (which must outlive it); null where there is none to ask. The answer to a
// refusal also comes later, through the listener.
std::unique_ptr<GlobalShortcut> openGlobalShortcut(GlobalShortcutListener &listener);

// Where no hook sees keys (the desktop presses the hotkey), the hotkey
// editor records the keys its own window receives. `nativeScanCode` is the
// window system's code for the key: the XKB keycode (the input-event code
// plus 8) under X11 and Wayland alike. The event as the hook would report
// it; nothing for a key Windows has no code for, or for the release of a key
// not seen going down.
std::optional<KeyEvent> windowKeyEvent(unsigned nativeScanCode, bool pressed);

#ifdef _WIN32
// The low-level hook sees every key on Windows.
inline bool hotkeyNeedsDesktopShortcut()
{
    return false;
}

inline std::unique_ptr<GlobalShortcut> openGlobalShortcut(GlobalShortcutListener &)
{
    return nullptr;
}

inline std::optional<KeyEvent> windowKeyEvent(unsigned, bool)
{
    return std::nullopt;
}
#endif

} // namespace platform
