#pragma once

#include "HidBackend.h"
#include "Platform/devicenotify.h"

#include <QMutex>

#include <cstddef>
#include <memory>

// The one door to HID for the whole process.
//
// hidapi's initialisation is process-wide and hid_exit tears the library
// down under any handle that is still open (on Windows it unloads hid.dll).
// Discovery initialises and exits around every candidate it probes while the
// worker keeps its switch open, so the seam counts both initialisations and
// open handles and only lets the library go when neither is left.
//
// The HID calls themselves run on the HID thread (HidThread.h); the counts
// are guarded all the same, so a call from elsewhere (a test, the
// device-change watch) cannot tear them.
class HidSeam
{
public:
    static HidSeam &instance();

    // Replaces the backend (tests use a recording fake) once the HID thread
    // has done what it was asked before. Resets the counts.
    static void setBackend(std::unique_ptr<HidBackend> backend);

    int init();
    int exit();
    hid_device_info *enumerate(unsigned short vendorId, unsigned short productId);
    void freeEnumeration(hid_device_info *devices);
    HidDevice *openPath(const char *path, HidOpenFailure *failure = nullptr);
    void close(HidDevice *device);
    int sendFeatureReport(HidDevice *device, const unsigned char *data, size_t length);
    int getFeatureReport(HidDevice *device, unsigned char *data, size_t length);
    bool watchDeviceChanges(platform::DeviceChangeHandler handler, void *context);

    void releaseConnections();

    bool libraryInitialised() const;

private:
    explicit HidSeam(std::unique_ptr<HidBackend> backend);
    void releaseLibraryWhenUnused();

    mutable QMutex m_lock;
    std::unique_ptr<HidBackend> m_backend;
    int m_initCount = 0;
    int m_openCount = 0;
    bool m_backendInitialised = false;
};

// Name of the environment variable that points the seam at the virtual switch.
inline constexpr const char *kSimulatorEnvironmentVariable = "PORTVIEW_SIMULATOR";
