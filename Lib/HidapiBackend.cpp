#include "HidapiBackend.h"

#include <hidapi.h>

#include "Platform/deviceaccess.h"

#include <QDebug>
#include <QString>

namespace {

class HidapiDevice : public HidDevice
{
public:
    explicit HidapiDevice(hid_device *handle) : handle(handle) {}
    hid_device *handle;
};

hid_device *handleOf(HidDevice *device)
{
    return static_cast<HidapiDevice *>(device)->handle;
}

// A switch of the catalogue that is listed but cannot be opened would
// otherwise just not appear: the log names the node and hidapi's reason,
// and where the node exists but this user may not use it, the remedy.
void logOpenFailure(const char *path)
{
    const wchar_t *error = hid_error(nullptr);
    QString reason = error ? QString::fromWCharArray(error) : QStringLiteral("unknown reason");
    const std::string hint = platform::deviceAccessHint(path);
    if (!hint.empty())
        reason += QStringLiteral("; ") + QString::fromStdString(hint);
    qInfo().noquote() << "Cannot open HID device" << QString::fromLocal8Bit(path) << "-" << reason;
}

} // namespace

int HidapiBackend::init()
{
    return hid_init();
}

int HidapiBackend::exit()
{
    return hid_exit();
}

hid_device_info *HidapiBackend::enumerate(unsigned short vendorId, unsigned short productId)
{
    return hid_enumerate(vendorId, productId);
}

void HidapiBackend::freeEnumeration(hid_device_info *devices)
{
    hid_free_enumeration(devices);
}

HidDevice *HidapiBackend::openPath(const char *path)
{
    hid_device *handle = hid_open_path(path);
    if (!handle) {
        logOpenFailure(path);
        return nullptr;
    }
    return new HidapiDevice(handle);
}

void HidapiBackend::close(HidDevice *device)
{
    hid_close(handleOf(device));
    delete device;
}

int HidapiBackend::sendFeatureReport(HidDevice *device, const unsigned char *data, size_t length)
{
    return hid_send_feature_report(handleOf(device), data, length);
}

int HidapiBackend::getFeatureReport(HidDevice *device, unsigned char *data, size_t length)
{
    return hid_get_feature_report(handleOf(device), data, length);
}
