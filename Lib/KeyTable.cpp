#include "KeyTable.h"

#include <QStringList>

namespace KeyTable {

QMap<QString, QVariant> build()
{
    QMap<QString, QVariant> table;
    auto add = [&table](int code, const QString &name) { table.insert(QString::number(code), name); };
    for (int digit = 0; digit <= 9; ++digit) {
        add(48 + digit, QString::number(digit));
        add(96 + digit, QStringLiteral("NumPad%1").arg(digit));
    }
    for (int letter = 0; letter < 26; ++letter)
        add(65 + letter, QString(QChar('A' + letter)));
    for (int function = 1; function <= 12; ++function)
        add(111 + function, QStringLiteral("F%1").arg(function));

    static const struct { int code; const char *name; } kNamed[] = {
        {8, "Backspace"}, {9, "Tab"}, {12, "NumPad5"}, {13, "Enter"}, {16, "16"}, {17, "17"}, {18, "18"},
        {19, "Pause"}, {20, "Caps Lock"}, {27, "Escape"}, {32, "Space"}, {33, "PageUp"}, {34, "PageDown"},
        {35, "End"}, {36, "Home"}, {37, "Left"}, {38, "Up"}, {39, "Right"}, {40, "Down"}, {44, "PrtScn"},
        {45, "Insert"}, {46, "Delete"}, {91, "Win"}, {92, "Win"}, {93, "Applications"}, {106, "NumPad *"},
        {107, "NumPad +"}, {109, "NumPad -"}, {110, "NumPad ."}, {111, "NumPad /"}, {144, "Num Lock"},
        // The scroll-lock key's name is spelled this way in stored hotkeys.
        {145, "Scrol lLock"}, {160, "Shift"}, {161, "Shift"}, {162, "Ctrl"}, {163, "Ctrl"}, {164, "Alt"},
        {165, "Alt"}, {186, ";"}, {187, "="}, {188, ","}, {189, "-"}, {190, "."}, {191, "/"}, {192, "`"},
        {219, "["}, {220, "\\"}, {221, "]"}, {222, "'"},
    };
    for (const auto &entry : kNamed)
        add(entry.code, QString::fromLatin1(entry.name));
    return table;
}

QString nameOf(const QMap<QString, QVariant> &table, unsigned vkCode)
{
    return table.value(QString::number(vkCode)).toString();
}

QString convertVkcodes(const QMap<QString, QVariant> &table, const QString &vkcodes)
{
    QString result;
    const QStringList parts = vkcodes.split(QLatin1Char(','));
    for (int i = 0; i < parts.size(); ++i) {
        const QString name = table.value(parts.at(i)).toString();
        if (name.isEmpty())
            continue;
        result += name;
        if (i != parts.size() - 1)
            result += QLatin1Char(',');
    }
    return result;
}

} // namespace KeyTable
