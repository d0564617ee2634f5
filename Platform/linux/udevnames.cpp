#include "udevnames.h"

#include <vector>

namespace platform {
namespace {

std::vector<std::string_view> split(std::string_view text, char separator)
{
    std::vector<std::string_view> parts;
    std::size_t start = 0;
    while (true) {
        const std::size_t end = text.find(separator, start);
        parts.push_back(text.substr(start, end == std::string_view::npos ? end : end - start));
        if (end == std::string_view::npos)
            return parts;
        start = end + 1;
    }
}

int hexDigit(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

// 1 to `maxDigits` hex digits, nothing else.
std::optional<std::uint32_t> parseHex(std::string_view text, std::size_t maxDigits)
{
    if (text.empty() || text.size() > maxDigits)
        return std::nullopt;
    std::uint32_t value = 0;
    for (char c : text) {
        const int digit = hexDigit(c);
        if (digit < 0)
            return std::nullopt;
        value = value * 16 + static_cast<std::uint32_t>(digit);
    }
    return value;
}

std::optional<UsbIds> idsFrom(std::string_view vendorText, std::string_view productText, std::size_t maxDigits)
{
    const auto vendor = parseHex(vendorText, maxDigits);
    const auto product = parseHex(productText, maxDigits);
    if (!vendor || !product || *vendor > 0xFFFF || *product > 0xFFFF)
        return std::nullopt;
    return UsbIds { static_cast<std::uint16_t>(*vendor), static_cast<std::uint16_t>(*product) };
}

void appendHex4(std::u16string &out, std::uint16_t value)
{
    static const char16_t digits[] = u"0123456789ABCDEF";
    for (int shift = 12; shift >= 0; shift -= 4)
        out.push_back(digits[(value >> shift) & 0xF]);
}

void appendAscii(std::u16string &out, std::string_view text)
{
    for (char c : text)
        out.push_back(static_cast<char16_t>(static_cast<unsigned char>(c)));
}

// '#' separates the parts of the name and '\\' and '&' mean something in it
// too; kernel device names never hold them, but nothing else guarantees it.
void appendInstance(std::u16string &out, std::string_view instance)
{
    if (instance.empty()) {
        out.push_back(u'0');
        return;
    }
    for (char c : instance) {
        const auto byte = static_cast<unsigned char>(c);
        const bool plain = byte > 0x20 && byte < 0x7F && c != '#' && c != '\\' && c != '&';
        out.push_back(plain ? static_cast<char16_t>(byte) : u'_');
    }
}

} // namespace

std::optional<UsbIds> idsFromHidId(std::string_view hidId)
{
    const std::vector<std::string_view> parts = split(hidId, ':');
    if (parts.size() != 3 || !parseHex(parts[0], 8))
        return std::nullopt;
    return idsFrom(parts[1], parts[2], 8);
}

std::optional<UsbIds> idsFromUsbProduct(std::string_view product)
{
    const std::vector<std::string_view> parts = split(product, '/');
    if (parts.size() != 3 || !parseHex(parts[2], 4))
        return std::nullopt;
    return idsFrom(parts[0], parts[1], 4);
}

std::u16string interfaceName(InterfaceClass interfaceClass, UsbIds ids, std::string_view instance)
{
    const bool hid = interfaceClass == InterfaceClass::Hid;
    std::u16string name = hid ? u"\\\\?\\HID#VID_" : u"\\\\?\\USB#VID_";
    appendHex4(name, ids.vendor);
    name += u"&PID_";
    appendHex4(name, ids.product);
    name += u'#';
    appendInstance(name, instance);
    name += u'#';
    appendAscii(name, hid ? "{4d1e55b2-f16f-11cf-88cb-001111000030}" : "{a5dcbf10-6530-11d2-901f-00c04fb951ed}");
    return name;
}

std::optional<std::u16string> DeviceNameBook::nameFor(const UdevEvent &event)
{
    if (event.subsystem == "hidraw") {
        if (const auto ids = idsFromHidId(event.hidId))
            return interfaceName(InterfaceClass::Hid, *ids, event.sysname);
    } else if (event.subsystem == "usb") {
        if (const auto ids = idsFromUsbProduct(event.product))
            return interfaceName(InterfaceClass::UsbDevice, *ids, event.sysname);
    }
    return std::nullopt;
}

std::optional<DeviceChange> DeviceNameBook::onEvent(const UdevEvent &event)
{
    if (event.syspath.empty())
        return std::nullopt;
    if (event.action == "add") {
        const auto name = nameFor(event);
        if (!name)
            return std::nullopt;
        m_names[event.syspath] = *name;
        return DeviceChange { true, *name };
    }
    if (event.action == "remove") {
        const auto known = m_names.find(event.syspath);
        if (known != m_names.end()) {
            DeviceChange change { false, known->second };
            m_names.erase(known);
            return change;
        }
        if (const auto name = nameFor(event))
            return DeviceChange { false, *name };
    }
    return std::nullopt;
}

void DeviceNameBook::remember(const UdevEvent &device)
{
    if (device.syspath.empty())
        return;
    if (const auto name = nameFor(device))
        m_names[device.syspath] = *name;
}

} // namespace platform
