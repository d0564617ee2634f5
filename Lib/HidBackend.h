#pragma once

#include "Platform/devicenotify.h"

#include <cstddef>

struct hid_device_info;

// Opaque handle of an open HID device; only the backend that opened it
// knows what lies behind it.
class HidDevice
{
public:
    virtual ~HidDevice() = default;
};

// hidapi's operations, as the program uses them. The real library is one
// backend, the virtual switch another; the services never see which.
class HidBackend
{
public:
    virtual ~HidBackend() = default;
    virtual int init() = 0;
    virtual int exit() = 0;
    // The list is released with freeEnumeration of the same backend.
    virtual hid_device_info *enumerate(unsigned short vendorId, unsigned short productId) = 0;
    virtual void freeEnumeration(hid_device_info *devices) = 0;
    virtual HidDevice *openPath(const char *path) = 0;
    virtual void close(HidDevice *device) = 0;
    virtual int sendFeatureReport(HidDevice *device, const unsigned char *data, size_t length) = 0;
    virtual int getFeatureReport(HidDevice *device, unsigned char *data, size_t length) = 0;
    // Backends that know of device arrival and removal themselves (the
    // virtual switch) report them here; the real library leaves that to the
    // operating system's notifications and returns false.
    virtual bool watchDeviceChanges(platform::DeviceChangeHandler, void *) { return false; }
};
