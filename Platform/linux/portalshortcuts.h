#pragma once

#include "../globalshortcut.h"

#include <string>

namespace platform {

// The id and description of the one shortcut the program asks the desktop
// portal for.
constexpr const char *kPortalShortcutId = "switch-port";
constexpr const char *kPortalShortcutDescription = "Switch to the other computer";

// A hotkey in key names ("Shift + Alt + S") in the shortcut syntax the
// portal takes ("SHIFT+ALT+s"): the modifiers as CTRL, ALT, SHIFT and LOGO
// in the hotkey's order, then the one other key by its XKB key name. Empty
// when the hotkey has no such form (no key or several besides the
// modifiers, or a name the key table does not give): the desktop then asks
// the user for the keys.
std::string portalTrigger(const std::string &hotkey);

} // namespace platform
