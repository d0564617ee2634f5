#include "HidapiBackend.h"

#include <hidapi.h>

#include "Platform/deviceaccess.h"

#include <QDebug>
#include <QString>

#include <cerrno>

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

// hidraw's open() leaves its errno behind; hid.dll's CreateFile sets none,
// so on Windows every failure is "other" with hidapi's text in the log.
HidOpenFailure failureFrom(int error, const std::string &accessHint)
{
    if (error == EACCES || error == EPERM || !accessHint.empty())
        return HidOpenFailure::Permission;
    if (error == EBUSY)
        return HidOpenFailure::Busy;
    return HidOpenFailure::Other;
}

class HidapiBackend : public HidBackend
{
public:
    int init() override { return hid_init(); }
    int exit() override { return hid_exit(); }
    hid_device_info *enumerate(unsigned short vendorId, unsigned short productId) override
    {
        return hid_enumerate(vendorId, productId);
    }
    void freeEnumeration(hid_device_info *devices) override { hid_free_enumeration(devices); }

    HidDevice *openPath(const char *path, HidOpenFailure *failure) override
    {
        errno = 0;
        hid_device *handle = hid_open_path(path);
        if (handle)
            return new HidapiDevice(handle);
        const int error = errno;
        // A switch of the catalogue that is listed but cannot be opened: the
        // log names the node and hidapi's reason, and where the node exists
        // but this user may not use it, the remedy.
        const wchar_t *text = hid_error(nullptr);
        QString reason = text ? QString::fromWCharArray(text) : QStringLiteral("unknown reason");
        const std::string hint = platform::deviceAccessHint(path);
        if (!hint.empty())
            reason += QStringLiteral("; ") + QString::fromStdString(hint);
        qInfo().noquote() << "Cannot open HID device" << QString::fromLocal8Bit(path) << "-" << reason;
        if (failure)
            *failure = failureFrom(error, hint);
        return nullptr;
    }

    void close(HidDevice *device) override
    {
        hid_close(handleOf(device));
        delete device;
    }
    int sendFeatureReport(HidDevice *device, const unsigned char *data, size_t length) override
    {
        return hid_send_feature_report(handleOf(device), data, length);
    }
    int getFeatureReport(HidDevice *device, unsigned char *data, size_t length) override
    {
        return hid_get_feature_report(handleOf(device), data, length);
    }
};

} // namespace

std::unique_ptr<HidBackend> makeHidapiBackend()
{
    return std::make_unique<HidapiBackend>();
}
