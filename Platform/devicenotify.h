#pragma once

#include <cstdint>
#include <string>

namespace platform {

// Device arrival and removal, told as device-interface names that write the
// IDs as "VID_xxxx" and "PID_xxxx" in upper case (on Windows the names the
// system gives; elsewhere names built to the same pattern), so one matching
// rule serves every platform.

// The device-change events as Windows numbers them (the wParam of its
// device-change message); the program keys the device sounds by them on
// every system.
enum DeviceChangeEvent : std::uintptr_t {
    kDeviceArrival = 0x8000,
    kDeviceRemoveComplete = 0x8004,
};

enum class DeviceMessageKind { Other, CopyData, Arrival, Removal };

struct DeviceMessage
{
    DeviceMessageKind kind = DeviceMessageKind::Other;
    std::string copyData;        // CopyData: the bytes the sender passed
    std::u16string interfaceName; // Arrival/Removal of a device interface
};

// Windows: registers `nativeWindow` for notifications of the USB device,
// disk, HID, network adapter and USB hub interface classes, in that order.
// Elsewhere: does nothing.
void registerDeviceNotifications(std::uintptr_t nativeWindow);

// Windows: decodes one native message (a MSG*) delivered to the native
// event filter. Elsewhere: always Other.
DeviceMessage decodeNativeMessage(const void *message);

// Called on the GUI thread for each device change found by a monitor.
using DeviceChangeHandler = void (*)(void *context, bool arrival, const std::u16string &interfaceName);

// Linux: starts watching device arrival and removal (udev) and calls
// `handler` for each; false when no monitor could be started. Windows: the
// native messages above serve instead; returns false.
bool startDeviceMonitor(DeviceChangeHandler handler, void *context);

} // namespace platform
