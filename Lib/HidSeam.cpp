#include "HidSeam.h"

#include "HidapiBackend.h"
#include "SimulatorHidBackend.h"

#include <QtGlobal>

namespace {

std::unique_ptr<HidBackend> defaultBackend()
{
    const QByteArray socketName = qgetenv(kSimulatorEnvironmentVariable);
    if (!socketName.isEmpty())
        return std::make_unique<SimulatorHidBackend>(QString::fromLocal8Bit(socketName));
    return std::make_unique<HidapiBackend>();
}

std::unique_ptr<HidSeam> &seamSlot()
{
    static std::unique_ptr<HidSeam> seam;
    return seam;
}

} // namespace

HidSeam::HidSeam(std::unique_ptr<HidBackend> backend)
    : m_backend(std::move(backend))
{
}

HidSeam &HidSeam::instance()
{
    auto &seam = seamSlot();
    if (!seam)
        seam.reset(new HidSeam(defaultBackend()));
    return *seam;
}

void HidSeam::setBackend(std::unique_ptr<HidBackend> backend)
{
    seamSlot().reset(new HidSeam(std::move(backend)));
}

int HidSeam::init()
{
    if (!m_backendInitialised) {
        const int result = m_backend->init();
        if (result != 0)
            return result;
        m_backendInitialised = true;
    }
    ++m_initCount;
    return 0;
}

int HidSeam::exit()
{
    if (m_initCount > 0)
        --m_initCount;
    releaseLibraryWhenUnused();
    return 0;
}

hid_device_info *HidSeam::enumerate(unsigned short vendorId, unsigned short productId)
{
    return m_backend->enumerate(vendorId, productId);
}

void HidSeam::freeEnumeration(hid_device_info *devices)
{
    if (devices)
        m_backend->freeEnumeration(devices);
}

HidDevice *HidSeam::openPath(const char *path)
{
    HidDevice *device = m_backend->openPath(path);
    if (device)
        ++m_openCount;
    return device;
}

void HidSeam::close(HidDevice *device)
{
    if (!device)
        return;
    m_backend->close(device);
    if (m_openCount > 0)
        --m_openCount;
    releaseLibraryWhenUnused();
}

int HidSeam::sendFeatureReport(HidDevice *device, const unsigned char *data, size_t length)
{
    return device ? m_backend->sendFeatureReport(device, data, length) : -1;
}

int HidSeam::getFeatureReport(HidDevice *device, unsigned char *data, size_t length)
{
    return device ? m_backend->getFeatureReport(device, data, length) : -1;
}

bool HidSeam::watchDeviceChanges(platform::DeviceChangeHandler handler, void *context)
{
    return m_backend->watchDeviceChanges(handler, context);
}

void HidSeam::releaseLibraryWhenUnused()
{
    if (m_backendInitialised && m_initCount == 0 && m_openCount == 0) {
        m_backend->exit();
        m_backendInitialised = false;
    }
}
