#pragma once

#include <QString>

// The rule every switch hotkey obeys, wherever it comes from (the editor, a
// restored backup, config.ini): key names joined by " + ", one or more
// modifiers ("Ctrl", "Shift", "Alt", "Win") first, then exactly one other
// key, at most five keys in all. Anything else would either never match or
// fire on an ordinary key typed anywhere.
namespace HotkeyRule {

constexpr int maxKeys = 5;
// The hotkey a broken stored one is replaced by.
inline QString defaultHotkey() { return QStringLiteral("Shift + Alt + S"); }

bool isValid(const QString &hotkey);

} // namespace HotkeyRule
