// udev property values come from the kernel and from device firmware
// (HID_ID, PRODUCT, device names): the parsers and the name memory must
// take anything. The input is split at newlines into action, subsystem,
// path, name, HID_ID and PRODUCT, repeatedly.

#include "Platform/linux/udevnames.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const std::string input(reinterpret_cast<const char *>(data), size);
    std::vector<std::string> fields;
    std::size_t start = 0;
    while (start <= input.size()) {
        const std::size_t end = input.find('\n', start);
        fields.push_back(input.substr(start, end == std::string::npos ? std::string::npos : end - start));
        if (end == std::string::npos)
            break;
        start = end + 1;
    }
    platform::DeviceNameBook book;
    for (std::size_t i = 0; i + 6 <= fields.size(); i += 6) {
        const platform::UdevEvent event { fields[i], fields[i + 1], fields[i + 2], fields[i + 3], fields[i + 4], fields[i + 5] };
        if (i % 12 == 0)
            book.remember(event);
        if (const auto change = book.onEvent(event)) {
            if (change->interfaceName.find(u"VID_") == std::u16string::npos)
                __builtin_trap();
        }
    }
    for (const std::string &field : fields) {
        const auto hid = platform::idsFromHidId(field);
        const auto usb = platform::idsFromUsbProduct(field);
        if (hid)
            platform::interfaceName(platform::InterfaceClass::Hid, *hid, field);
        if (usb)
            platform::interfaceName(platform::InterfaceClass::UsbDevice, *usb, field);
    }
    return 0;
}
