#include "HotkeyRule.h"

#include <QStringList>

namespace HotkeyRule {

namespace {

bool isModifier(const QString &key)
{
    return key == QLatin1String("Ctrl") || key == QLatin1String("Shift") || key == QLatin1String("Alt")
           || key == QLatin1String("Win");
}

} // namespace

bool isValid(const QString &hotkey)
{
    // No key name is this long: a huge text is refused before it is split.
    constexpr int maxChars = maxKeys * 32;
    if (hotkey.size() > maxChars)
        return false;
    const QStringList keys = hotkey.split(QStringLiteral(" + "));
    if (keys.size() < 2 || keys.size() > maxKeys)
        return false;
    for (int i = 0; i < keys.size(); ++i) {
        const QString &key = keys.at(i);
        if (key.isEmpty() || key.trimmed() != key)
            return false;
        const bool last = i == keys.size() - 1;
        if (isModifier(key) == last)
            return false;
    }
    return true;
}

} // namespace HotkeyRule
