#include "IniText.h"

#include "Platform/inikeys.h"

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

QByteArray sectionHeader(const QString &section)
{
    if (section.isEmpty())
        return "[General]";
    if (section.compare(QLatin1String("general"), Qt::CaseInsensitive) == 0)
        return "[%" + section.toLatin1() + "]";
    return '[' + iniEscapedKey(section) + ']';
}

// A key or section name as the INI reader decodes it: "\\" is "/", "%XX"
// and "%UXXXX" are characters, any other byte stands for itself.
QString unescapedKey(const QByteArray &raw)
{
    QString result;
    for (int i = 0; i < raw.size();) {
        const char ch = raw.at(i);
        if (ch == '\\') {
            result += QLatin1Char('/');
            ++i;
            continue;
        }
        const int digits = ch == '%' && i + 1 < raw.size() && raw.at(i + 1) == 'U' ? 4 : 2;
        const int first = i + (digits == 4 ? 2 : 1);
        bool ok = false;
        const uint code = ch == '%' && first + digits <= raw.size() ? raw.mid(first, digits).toUInt(&ok, 16) : 0;
        if (ok) {
            result += QChar(ushort(code));
            i = first + digits;
        } else {
            result += QLatin1Char(ch);
            ++i;
        }
    }
    return result;
}

bool isIniSpace(char ch)
{
    return ch == ' ' || ch == '\t' || ch == '\n' || ch == '\r';
}

// One logical line of an INI text, found as the INI reader finds it: a
// backslash takes the next character (a line end too) with it, quotes run
// over line ends, and ";" outside quotes ends the line and starts a comment.
struct IniLine
{
    int start = 0;
    int equals = -1; // the first "=" outside quotes, or -1
    int end = 0;     // before the line's terminator
    bool open = false; // runs to the end inside quotes or after a backslash
};

bool nextIniLine(const QByteArray &text, int &pos, IniLine &line)
{
    const int size = text.size();
    for (;;) {
        while (pos < size && isIniSpace(text.at(pos)))
            ++pos;
        if (pos >= size || text.at(pos) != ';')
            break;
        while (pos < size && text.at(pos) != '\n' && text.at(pos) != '\r')
            ++pos;
    }
    if (pos >= size)
        return false;
    line = IniLine{pos, -1, pos};
    bool inQuotes = false;
    bool escaped = false; // the last character was taken by a backslash
    for (; pos < size; ++pos) {
        const char ch = text.at(pos);
        escaped = false;
        if (ch == '=' && !inQuotes && line.equals < 0) {
            line.equals = pos;
        } else if ((ch == '\n' || ch == '\r' || ch == ';') && !inQuotes) {
            break;
        } else if (ch == '\\' && pos + 1 < size) {
            const char next = text.at(++pos);
            const char after = pos + 1 < size ? text.at(pos + 1) : '\0';
            if ((next == '\n' && after == '\r') || (next == '\r' && after == '\n'))
                ++pos;
            escaped = true;
        } else if (ch == '"') {
            inQuotes = !inQuotes;
        }
    }
    line.end = pos;
    line.open = pos >= size && (inQuotes || escaped || text.endsWith('\\'));
    return true;
}

// The group a section header opens, "" for [General]. A header without a
// name opens the group "/", whose keys the reader cannot find again.
QString sectionOf(const QByteArray &text, const IniLine &line)
{
    int close = text.indexOf(']', line.start);
    if (close < 0 || close >= line.end)
        close = line.end;
    const QString name = unescapedKey(text.mid(line.start + 1, close - line.start - 1).trimmed());
    if (name.compare(QLatin1String("general"), Qt::CaseInsensitive) == 0)
        return QString();
    if (name.compare(QLatin1String("%general"), Qt::CaseInsensitive) == 0)
        return name.mid(1);
    return name.isEmpty() ? QStringLiteral("/") : name;
}

// Where a setting stands in an INI text, as far as a rewrite needs it.
struct IniPlaces
{
    QList<QPair<int, int>> values; // every value of the key (the reader's choice among them varies)
    int sectionEnd = -1;           // after the section's last closed line
    bool endsOpen = false;
    bool startsWithHeader = false;
};

IniPlaces placesOf(const QByteArray &document, const QString &fullKey, const QString &section)
{
    const Qt::CaseSensitivity keyCase = platform::iniKeysIgnoreCase() ? Qt::CaseInsensitive : Qt::CaseSensitive;
    IniPlaces places;
    QString current;
    IniLine line;
    for (int pos = 0; nextIniLine(document, pos, line);) {
        places.startsWithHeader = places.startsWithHeader || (line.start == 0 && document.at(0) == '[');
        places.endsOpen = line.open;
        const bool header = document.at(line.start) == '[';
        if (header)
            current = sectionOf(document, line);
        if (current == section && !line.open && (header || line.equals >= 0))
            places.sectionEnd = line.end;
        if (header || line.equals < 0)
            continue;
        int keyEnd = line.equals; // the reader drops only spaces and tabs before "="
        while (keyEnd > line.start && (document.at(keyEnd - 1) == ' ' || document.at(keyEnd - 1) == '\t'))
            --keyEnd;
        const QString name = unescapedKey(document.mid(line.start, keyEnd - line.start));
        const QString path = current.isEmpty() ? name : current + QLatin1Char('/') + name;
        // A path with empty parts is stored as it is but looked up without
        // them, so the reader never returns its value: it is left alone.
        if (path == iniSettingsKey(QString(), path) && path.compare(fullKey, keyCase) == 0)
            places.values.append({line.equals + 1, line.end});
    }
    return places;
}

} // namespace

QByteArray iniWithValue(const QByteArray &document, const QString &fullKey, const QString &value)
{
    const int slash = fullKey.indexOf(QLatin1Char('/'));
    const QString section = slash < 0 ? QString() : fullKey.left(slash);
    const QString key = slash < 0 ? fullKey : fullKey.mid(slash + 1);
    const QByteArray valueBytes = iniEscapedValue(value);
    const QByteArray lineEnd = document.contains("\r\n") ? "\r\n" : "\n";
    const IniPlaces places = placesOf(document, iniSettingsKey(QString(), fullKey), section);

    QByteArray result = document;
    if (!places.values.isEmpty()) {
        for (int i = places.values.size() - 1; i >= 0; --i)
            result.replace(places.values.at(i).first, places.values.at(i).second - places.values.at(i).first,
                           valueBytes);
        return result;
    }
    const QByteArray entry = iniEscapedKey(key) + '=' + valueBytes;
    if (places.sectionEnd >= 0)
        return result.insert(places.sectionEnd, lineEnd + entry);
    const QByteArray block = sectionHeader(section) + lineEnd + entry + lineEnd;
    // Whatever followed an unclosed last line would belong to it: the new
    // section goes first, and [General] keeps the file's own first keys.
    if (places.endsOpen)
        return result.prepend(places.startsWithHeader ? block : block + "[General]" + lineEnd);
    if (!result.isEmpty() && !result.endsWith('\n') && !result.endsWith('\r'))
        result += lineEnd;
    if (!result.isEmpty())
        result += lineEnd;
    return result + block;
}

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
