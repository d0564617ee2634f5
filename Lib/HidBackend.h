#pragma once

#include "Platform/devicenotify.h"

#include <cstddef>

struct hid_device_info;

// Why a device that is there could not be opened, as far as the system says:
// this user may not use its node (on Linux: the udev rule is missing),
// another program holds it, or anything else.
enum class HidOpenFailure { None, Permission, Busy, Other };

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
    // Null on failure, with the reason in `failure` when that is given.
    virtual HidDevice *openPath(const char *path, HidOpenFailure *failure) = 0;
    virtual void close(HidDevice *device) = 0;
    virtual int sendFeatureReport(HidDevice *device, const unsigned char *data, size_t length) = 0;
    virtual int getFeatureReport(HidDevice *device, unsigned char *data, size_t length) = 0;
    // Backends that know of device arrival and removal themselves (the
    // virtual switch) report them here; the real library leaves that to the
    // operating system's notifications and returns false.
    virtual bool watchDeviceChanges(platform::DeviceChangeHandler, void *) { return false; }
    // Lets go of what belongs to the thread that made the HID calls (the
    // virtual switch's connection) before that thread ends; handles opened
    // before are dead afterwards.
    virtual void releaseConnections() {}
};
