#pragma once

#include "Platform/devicenotify.h"

#include <cstddef>
#include <memory>

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

// The one door to HID for the whole process.
//
// hidapi's initialisation is process-wide and hid_exit tears the library
// down under any handle that is still open (on Windows it unloads hid.dll).
// Discovery initialises and exits around every candidate it probes while the
// worker keeps its switch open, so the seam counts both initialisations and
// open handles and only lets the library go when neither is left.
class HidSeam
{
public:
    static HidSeam &instance();

    // Replaces the backend (tests use a recording fake). Resets the counts.
    static void setBackend(std::unique_ptr<HidBackend> backend);

    int init();
    int exit();
    hid_device_info *enumerate(unsigned short vendorId, unsigned short productId);
    void freeEnumeration(hid_device_info *devices);
    HidDevice *openPath(const char *path);
    void close(HidDevice *device);
    int sendFeatureReport(HidDevice *device, const unsigned char *data, size_t length);
    int getFeatureReport(HidDevice *device, unsigned char *data, size_t length);
    bool watchDeviceChanges(platform::DeviceChangeHandler handler, void *context);

    bool libraryInitialised() const { return m_backendInitialised; }

private:
    explicit HidSeam(std::unique_ptr<HidBackend> backend);
    void releaseLibraryWhenUnused();

    std::unique_ptr<HidBackend> m_backend;
    int m_initCount = 0;
    int m_openCount = 0;
    bool m_backendInitialised = false;
};

// Name of the environment variable that points the seam at the virtual switch.
inline constexpr const char *kSimulatorEnvironmentVariable = "PORTVIEW_SIMULATOR";
