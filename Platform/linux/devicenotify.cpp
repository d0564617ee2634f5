#include "../devicenotify.h"

#include "udevnames.h"

#include <QCoreApplication>
#include <QObject>
#include <QSocketNotifier>
#include <QtGlobal>

#include <libudev.h>
#include <unistd.h>

namespace platform {
namespace {

std::string text(const char *value)
{
    return value ? std::string(value) : std::string();
}

// Reduces a udev device to what naming needs; the HID IDs sit on the
// parent HID device, which libudev reads from sysfs and which may already
// be gone on removal.
UdevEvent describe(udev_device *device)
{
    UdevEvent event;
    event.action = text(udev_device_get_action(device));
    event.subsystem = text(udev_device_get_subsystem(device));
    event.syspath = text(udev_device_get_syspath(device));
    event.sysname = text(udev_device_get_sysname(device));
    event.product = text(udev_device_get_property_value(device, "PRODUCT"));
    if (event.subsystem == "hidraw") {
        if (udev_device *parent = udev_device_get_parent_with_subsystem_devtype(device, "hid", nullptr))
            event.hidId = text(udev_device_get_property_value(parent, "HID_ID"));
    }
    return event;
}

// Watches hidraw nodes and whole USB devices (not their interfaces, which
// Windows does not announce as USB devices) for as long as the application
// object lives.
class UdevDeviceMonitor : public QObject
{
public:
    UdevDeviceMonitor(DeviceChangeHandler handler, void *context, QObject *parent)
        : QObject(parent)
        , m_handler(handler)
        , m_context(context)
    {
    }

    ~UdevDeviceMonitor() override
    {
        delete m_notifier;
        if (m_monitor)
            udev_monitor_unref(m_monitor);
        if (m_udev)
            udev_unref(m_udev);
    }

    bool start()
    {
        m_udev = udev_new();
        if (!m_udev)
            return false;
        // Without a udev daemon (containers, minimal systems) the kernel's
        // own announcements are all there is.
        const char *source = access("/run/udev/control", F_OK) == 0 ? "udev" : "kernel";
        m_monitor = udev_monitor_new_from_netlink(m_udev, source);
        if (!m_monitor
            || udev_monitor_filter_add_match_subsystem_devtype(m_monitor, "hidraw", nullptr) < 0
            || udev_monitor_filter_add_match_subsystem_devtype(m_monitor, "usb", "usb_device") < 0
            || udev_monitor_enable_receiving(m_monitor) < 0)
            return false;
        const int fd = udev_monitor_get_fd(m_monitor);
        if (fd < 0)
            return false;
        rememberPresentDevices();
        m_notifier = new QSocketNotifier(fd, QSocketNotifier::Read);
        connect(m_notifier, &QSocketNotifier::activated, this, [this] { receive(); });
        return true;
    }

private:
    // A switch attached before the program started must still be named
    // when it leaves.
    void rememberPresentDevices()
    {
        udev_enumerate *enumerate = udev_enumerate_new(m_udev);
        if (!enumerate)
            return;
        udev_enumerate_add_match_subsystem(enumerate, "hidraw");
        udev_enumerate_add_match_subsystem(enumerate, "usb");
        udev_enumerate_scan_devices(enumerate);
        udev_list_entry *entry = nullptr;
        udev_list_entry_foreach(entry, udev_enumerate_get_list_entry(enumerate))
        {
            udev_device *device = udev_device_new_from_syspath(m_udev, udev_list_entry_get_name(entry));
            if (!device)
                continue;
            const char *devtype = udev_device_get_devtype(device);
            if (text(udev_device_get_subsystem(device)) == "hidraw" || text(devtype) == "usb_device")
                m_names.remember(describe(device));
            udev_device_unref(device);
        }
        udev_enumerate_unref(enumerate);
    }

    void receive()
    {
        // The socket does not block: read until it is empty, so no event
        // waits for the next one to be noticed.
        while (udev_device *device = udev_monitor_receive_device(m_monitor)) {
            const std::optional<DeviceChange> change = m_names.onEvent(describe(device));
            udev_device_unref(device);
            if (change)
                m_handler(m_context, change->arrival, change->interfaceName);
        }
    }

    DeviceChangeHandler m_handler;
    void *m_context;
    udev *m_udev = nullptr;
    udev_monitor *m_monitor = nullptr;
    QSocketNotifier *m_notifier = nullptr;
    DeviceNameBook m_names;
};

} // namespace

void registerDeviceNotifications(std::uintptr_t)
{
}

DeviceMessage decodeNativeMessage(const void *)
{
    return {};
}

bool startDeviceMonitor(DeviceChangeHandler handler, void *context)
{
    if (!handler || !QCoreApplication::instance())
        return false;
    auto *monitor = new UdevDeviceMonitor(handler, context, QCoreApplication::instance());
    if (!monitor->start()) {
        qWarning("The udev device monitor could not be started");
        delete monitor;
        return false;
    }
    return true;
}

} // namespace platform
