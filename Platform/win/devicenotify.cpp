#include "../devicenotify.h"

#include <windows.h>
#include <dbt.h>

#include <cstddef>

namespace platform {
namespace {

// USB device, disk, HID, network adapter, USB hub: the order of registration.
const GUID kInterfaceClasses[] = {
    { 0xA5DCBF10, 0x6530, 0x11D2, { 0x90, 0x1F, 0x00, 0xC0, 0x4F, 0xB9, 0x51, 0xED } },
    { 0x53F56307, 0xB6BF, 0x11D0, { 0x94, 0xF2, 0x00, 0xA0, 0xC9, 0x1E, 0xFB, 0x8B } },
    { 0x4D1E55B2, 0xF16F, 0x11CF, { 0x88, 0xCB, 0x00, 0x11, 0x11, 0x00, 0x00, 0x30 } },
    { 0xAD498944, 0x762F, 0x11D0, { 0x8D, 0xCB, 0x00, 0xC0, 0x4F, 0xC3, 0x35, 0x8C } },
    { 0xF18A0E88, 0xC30C, 0x11D0, { 0x88, 0x15, 0x00, 0xA0, 0xC9, 0x06, 0xBE, 0xD8 } },
};

// The filter record is 32 bytes: three DWORDs, the GUID and one padded
// name character.
static_assert(sizeof(DEV_BROADCAST_DEVICEINTERFACE_W) == 32, "device-interface filter size");
static_assert(DBT_DEVTYP_DEVICEINTERFACE == 5 && WM_DEVICECHANGE == 0x219 && WM_COPYDATA == 0x4A
                  && DBT_DEVICEARRIVAL == kDeviceArrival && DBT_DEVICEREMOVECOMPLETE == kDeviceRemoveComplete,
              "message and device-type numbers");

DeviceMessage decodeCopyData(LPARAM lParam)
{
    DeviceMessage decoded;
    const auto *copy = reinterpret_cast<const COPYDATASTRUCT *>(lParam);
    if (!copy)
        return decoded;
    decoded.kind = DeviceMessageKind::CopyData;
    if (copy->lpData && copy->cbData > 0)
        decoded.copyData.assign(static_cast<const char *>(copy->lpData), copy->cbData);
    return decoded;
}

// The name runs to its NUL, but never past the record the system says it
// sent.
std::u16string interfaceNameOf(const DEV_BROADCAST_DEVICEINTERFACE_W &record)
{
    const std::size_t nameOffset = offsetof(DEV_BROADCAST_DEVICEINTERFACE_W, dbcc_name);
    if (record.dbcc_size <= nameOffset)
        return {};
    const std::size_t limit = (record.dbcc_size - nameOffset) / sizeof(WCHAR);
    const WCHAR *chars = record.dbcc_name;
    std::u16string name;
    for (std::size_t i = 0; i < limit && chars[i] != L'\0'; ++i)
        name.push_back(static_cast<char16_t>(chars[i]));
    return name;
}

DeviceMessage decodeDeviceChange(WPARAM wParam, LPARAM lParam)
{
    DeviceMessage decoded;
    if (wParam != DBT_DEVICEARRIVAL && wParam != DBT_DEVICEREMOVECOMPLETE)
        return decoded;
    const auto *header = reinterpret_cast<const DEV_BROADCAST_HDR *>(lParam);
    if (!header || header->dbch_devicetype != DBT_DEVTYP_DEVICEINTERFACE)
        return decoded;
    decoded.kind = wParam == DBT_DEVICEARRIVAL ? DeviceMessageKind::Arrival : DeviceMessageKind::Removal;
    decoded.interfaceName = interfaceNameOf(*reinterpret_cast<const DEV_BROADCAST_DEVICEINTERFACE_W *>(header));
    return decoded;
}

} // namespace

void registerDeviceNotifications(std::uintptr_t nativeWindow)
{
    HWND window = reinterpret_cast<HWND>(nativeWindow);
    for (const GUID &interfaceClass : kInterfaceClasses) {
        DEV_BROADCAST_DEVICEINTERFACE_W filter {};
        filter.dbcc_size = sizeof filter;
        filter.dbcc_devicetype = DBT_DEVTYP_DEVICEINTERFACE;
        filter.dbcc_reserved = 0;
        filter.dbcc_classguid = interfaceClass;
        // Registrations last as long as the process; a failed one leaves
        // that class unwatched and nothing more.
        RegisterDeviceNotificationW(window, &filter, DEVICE_NOTIFY_WINDOW_HANDLE);
    }
}

DeviceMessage decodeNativeMessage(const void *message)
{
    const MSG *msg = static_cast<const MSG *>(message);
    if (!msg)
        return {};
    switch (msg->message) {
    case WM_COPYDATA:
        return decodeCopyData(msg->lParam);
    case WM_DEVICECHANGE:
        return decodeDeviceChange(msg->wParam, msg->lParam);
    default:
        return {};
    }
}

bool startDeviceMonitor(DeviceChangeHandler, void *)
{
    return false;
}

} // namespace platform
