#include "HidapiBackend.h"

#include <hidapi.h>

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
    return handle ? new HidapiDevice(handle) : nullptr;
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
