#pragma once

#include "HidBackend.h"

// The real hidapi library (hidraw on Linux, hid.dll on Windows).
class HidapiBackend : public HidBackend
{
public:
    int init() override;
    int exit() override;
    hid_device_info *enumerate(unsigned short vendorId, unsigned short productId) override;
    void freeEnumeration(hid_device_info *devices) override;
    HidDevice *openPath(const char *path) override;
    void close(HidDevice *device) override;
    int sendFeatureReport(HidDevice *device, const unsigned char *data, size_t length) override;
    int getFeatureReport(HidDevice *device, unsigned char *data, size_t length) override;
};
