#pragma once

#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <string_view>

namespace platform {

struct UsbIds
{
    std::uint16_t vendor;
    std::uint16_t product;
};

// IDs from a HID device's HID_ID property, "bus:vendor:product" in hex
// ("0003:00001209:00000001"). Nothing for anything else.
std::optional<UsbIds> idsFromHidId(std::string_view hidId);
// IDs from a USB device's PRODUCT property, "vendor/product/release" in
// hex without padding ("1209/1/100"). Nothing for anything else.
std::optional<UsbIds> idsFromUsbProduct(std::string_view product);

enum class InterfaceClass { Hid, UsbDevice };

// A device-interface name in the pattern Windows uses, e.g.
// "\\?\HID#VID_1209&PID_0001#hidraw3#{4d1e55b2-f16f-11cf-88cb-001111000030}";
// `instance` tells devices with the same IDs apart (characters that would
// break the pattern are replaced).
std::u16string interfaceName(InterfaceClass interfaceClass, UsbIds ids, std::string_view instance);

// One udev event, reduced to what naming needs. `hidId` is the parent HID
// device's HID_ID (empty when the parent is gone or absent), `product` the
// device's own PRODUCT.
struct UdevEvent
{
    std::string action;
    std::string subsystem; // "hidraw" or "usb"
    std::string syspath;
    std::string sysname;
    std::string hidId;
    std::string product;
};

struct DeviceChange
{
    bool arrival;
    std::u16string interfaceName;
};

// Names devices as they come and go. A removal often cannot be named from
// its own event (a hidraw node's parent is already gone), so every name is
// remembered by device path until the device leaves.
class DeviceNameBook
{
public:
    // An "add" or "remove" of a device that can be named gives a change;
    // anything else gives nothing.
    std::optional<DeviceChange> onEvent(const UdevEvent &event);
    // Records a device that was present before watching began.
    void remember(const UdevEvent &device);
    std::size_t size() const { return m_names.size(); }

private:
    static std::optional<std::u16string> nameFor(const UdevEvent &event);
    std::map<std::string, std::u16string> m_names;
};

} // namespace platform
