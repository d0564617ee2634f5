#include "desktopentry.h"

namespace platform {
namespace {

// The characters that make an argument need quotes.
bool isReserved(char c)
{
    static const std::string reserved = " \t\n\"'\\><~|&;$*?#()`";
    return reserved.find(c) != std::string::npos;
}

// Inside double quotes these four keep their meaning only behind a backslash.
bool needsEscapeInQuotes(char c)
{
    return c == '"' || c == '`' || c == '$' || c == '\\';
}

bool isUnwritableControl(unsigned char c)
{
    return (c < 0x20 && c != '\n' && c != '\t' && c != '\r') || c == 0x7f;
}

// Quoting and field codes: what the Exec key's own rules ask.
std::string quoted(const std::string &argument)
{
    bool quote = argument.empty();
    for (char c : argument)
        quote = quote || isReserved(c) || c == '\r';
    std::string out = quote ? "\"" : "";
    for (char c : argument) {
        if (quote && needsEscapeInQuotes(c))
            out += '\\';
        out += c;
        if (c == '%')
            out += '%';
    }
    if (quote)
        out += '"';
    return out;
}

// The escapes of every string value, applied after the quoting.
std::string escapedValue(const std::string &value)
{
    std::string out;
    for (char c : value) {
        switch (c) {
        case '\\': out += "\\\\"; break;
        case '\n': out += "\\n"; break;
        case '\t': out += "\\t"; break;
        case '\r': out += "\\r"; break;
        default: out += c;
        }
    }
    return out;
}

} // namespace

std::string desktopExecArgument(const std::string &argumentUtf8)
{
    for (char c : argumentUtf8) {
        if (isUnwritableControl(static_cast<unsigned char>(c)))
            return std::string();
    }
    return escapedValue(quoted(argumentUtf8));
}

std::string autostartDesktopEntry(const std::string &programUtf8, const std::string &brandWord)
{
    const std::string program = desktopExecArgument(programUtf8);
    if (program.empty())
        return std::string();
    return "[Desktop Entry]\n"
           "Type=Application\n"
           "Name=" + brandWord + " Portview\n"
           "Comment=Companion of the " + brandWord + " USB KVM switch\n"
           "Exec=" + program + " -h\n"
           "Terminal=false\n"
           "X-GNOME-Autostart-enabled=true\n";
}

} // namespace platform
