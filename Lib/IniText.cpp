#include "IniText.h"

#include <QMap>
#include <QSettings>
#include <QStringList>

namespace {

bool isHexDigit(ushort ch)
{
    return (ch >= '0' && ch <= '9') || (ch >= 'a' && ch <= 'f') || (ch >= 'A' && ch <= 'F');
}

bool isPlainKeyChar(ushort ch)
{
    return (ch >= 'a' && ch <= 'z') || (ch >= 'A' && ch <= 'Z') || (ch >= '0' && ch <= '9') || ch == '_'
           || ch == '-' || ch == '.';
}

QByteArray hex(uint value, int digits)
{
    return QByteArray::number(value, 16).toUpper().rightJustified(digits, '0');
}

// Escapes of the INI reader for control characters; everything else at or
// below 0x1F is written as \x followed by hex digits.
QByteArray controlEscape(ushort ch)
{
    switch (ch) {
    case '\0':
        return "\\0";
    case '\a':
        return "\\a";
    case '\b':
        return "\\b";
    case '\f':
        return "\\f";
    case '\n':
        return "\\n";
    case '\r':
        return "\\r";
    case '\t':
        return "\\t";
    case '\v':
        return "\\v";
    default:
        return "\\x" + QByteArray::number(ch, 16);
    }
}

QByteArray valueText(const QVariant &value)
{
    if (value.type() == QVariant::StringList) {
        const QStringList items = value.toStringList();
        if (items.isEmpty())
            return "@Invalid()";
        QByteArrayList escaped;
        for (const QString &item : items)
            escaped.append(iniEscapedValue(item));
        return escaped.join(", ");
    }
    return iniEscapedValue(value.toString());
}

} // namespace

QByteArray iniEscapedKey(const QString &key)
{
    QByteArray result;
    for (const QChar c : key) {
        const ushort ch = c.unicode();
        if (ch == '/')
            result += '\\';
        else if (isPlainKeyChar(ch))
            result += static_cast<char>(ch);
        else if (ch <= 0xFF)
            result += '%' + hex(ch, 2);
        else
            result += "%U" + hex(ch, 4);
    }
    return result;
}

QByteArray iniEscapedValue(const QString &value)
{
    // A leading "@" marks typed values; a string that starts with one is
    // written with it doubled.
    const QString text = value.startsWith(QLatin1Char('@')) ? QLatin1Char('@') + value : value;
    QByteArray result;
    bool needsQuotes = false;
    bool escapeNextIfHexDigit = false;
    QString run; // characters written as UTF-8, encoded together so pairs stay whole
    auto flushRun = [&] {
        result += run.toUtf8();
        run.clear();
    };
    for (int i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        const ushort ch = c.unicode();
        if (ch == ';' || ch == ',' || ch == '=')
            needsQuotes = true;
        // After a \x or \0 escape the reader would take a following hex
        // digit as part of the number.
        if (escapeNextIfHexDigit && isHexDigit(ch)) {
            flushRun();
            result += "\\x" + QByteArray::number(ch, 16);
            continue;
        }
        escapeNextIfHexDigit = false;
        const bool pair = c.isHighSurrogate() && i + 1 < text.size() && text.at(i + 1).isLowSurrogate();
        if (pair) {
            run += c;
            run += text.at(++i);
        } else if (ch <= 0x1F || c.isSurrogate()) {
            // Control characters, and halves of a pair that UTF-8 cannot carry.
            flushRun();
            result += controlEscape(ch);
            escapeNextIfHexDigit = ch == 0 || controlEscape(ch).startsWith("\\x");
        } else if (ch == '"' || ch == '\\') {
            flushRun();
            result += '\\';
            result += static_cast<char>(ch);
        } else {
            run += c;
        }
    }
    flushRun();
    if (needsQuotes || result.startsWith(' ') || result.endsWith(' '))
        result = '"' + result + '"';
    return result;
}

QByteArray iniDocument(const QVariantMap &settings)
{
    // Section → lines, the section of a key being the part before its first
    // "/"; keys without one belong to [General].
    QMap<QString, QByteArray> sections;
    for (auto it = settings.cbegin(); it != settings.cend(); ++it) {
        const int slash = it.key().indexOf(QLatin1Char('/'));
        const QString section = slash < 0 ? QString() : it.key().left(slash);
        const QString key = slash < 0 ? it.key() : it.key().mid(slash + 1);
        sections[section] += iniEscapedKey(key) + '=' + valueText(it.value()) + '\n';
    }
    QByteArray document;
    for (auto it = sections.cbegin(); it != sections.cend(); ++it) {
        if (!document.isEmpty())
            document += '\n';
        if (it.key().isEmpty())
            document += "[General]\n";
        else if (it.key().compare(QLatin1String("general"), Qt::CaseInsensitive) == 0)
            document += "[%" + it.key().toLatin1() + "]\n";
        else
            document += '[' + iniEscapedKey(it.key()) + "]\n";
        document += it.value();
    }
    return document;
}

QVariantMap readIniFile(const QString &path)
{
    QSettings settings(path, QSettings::IniFormat);
    settings.setIniCodec("UTF8");
    QVariantMap all;
    // A section without a name yields keys that begin with "/"; QSettings
    // looks every key up by its normalized path, and an empty one by none.
    for (const QString &key : settings.allKeys()) {
        const QString normalized = iniSettingsKey(QString(), key);
        if (!normalized.isEmpty())
            all.insert(normalized, settings.value(key));
    }
    return all;
}

QString iniSettingsKey(const QString &groupName, const QString &keyName)
{
    const QStringList group = groupName.split(QLatin1Char('/'), Qt::SkipEmptyParts);
    const QStringList key = keyName.split(QLatin1Char('/'), Qt::SkipEmptyParts);
    return key.isEmpty() ? QString() : (group + key).join(QLatin1Char('/'));
}

QString iniValueText(const QVariant &value)
{
    if (value.type() == QVariant::StringList)
        return value.toStringList().join(QStringLiteral(", "));
    return value.toString();
}
