#include "HidSeam.h"

#include "HidThread.h"
#include "HidapiBackend.h"
#include "SimulatorHidBackend.h"

#include <QtGlobal>

#include <utility>

namespace {

std::unique_ptr<HidBackend> defaultBackend()
{
    const QByteArray socketName = qgetenv(kSimulatorEnvironmentVariable);
    if (!socketName.isEmpty())
        return std::make_unique<SimulatorHidBackend>(QString::fromLocal8Bit(socketName));
    return makeHidapiBackend();
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
    HidThread::drain();
    HidSeam &seam = instance();
    std::unique_ptr<HidBackend> old;
    {
        QMutexLocker locker(&seam.m_lock);
        old = std::exchange(seam.m_backend, std::move(backend));
        seam.m_initCount = 0;
        seam.m_openCount = 0;
        seam.m_backendInitialised = false;
    }
}

bool HidSeam::libraryInitialised() const
{
    QMutexLocker locker(&m_lock);
    return m_backendInitialised;
}

void HidSeam::releaseConnections()
{
    QMutexLocker locker(&m_lock);
    m_backend->releaseConnections();
}

int HidSeam::init()
{
    QMutexLocker locker(&m_lock);
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
    QMutexLocker locker(&m_lock);
    if (m_initCount > 0)
        --m_initCount;
    releaseLibraryWhenUnused();
    return 0;
}

hid_device_info *HidSeam::enumerate(unsigned short vendorId, unsigned short productId)
{
    QMutexLocker locker(&m_lock);
    return m_backend->enumerate(vendorId, productId);
}

void HidSeam::freeEnumeration(hid_device_info *devices)
{
    QMutexLocker locker(&m_lock);
    if (devices)
        m_backend->freeEnumeration(devices);
}

HidDevice *HidSeam::openPath(const char *path, HidOpenFailure *failure)
{
    QMutexLocker locker(&m_lock);
    HidDevice *device = m_backend->openPath(path, failure);
    if (device)
        ++m_openCount;
    return device;
}

void HidSeam::close(HidDevice *device)
{
    if (!device)
        return;
    QMutexLocker locker(&m_lock);
    m_backend->close(device);
    if (m_openCount > 0)
        --m_openCount;
    releaseLibraryWhenUnused();
}

int HidSeam::sendFeatureReport(HidDevice *device, const unsigned char *data, size_t length)
{
    if (!device)
        return -1;
    QMutexLocker locker(&m_lock);
    return m_backend->sendFeatureReport(device, data, length);
}

int HidSeam::getFeatureReport(HidDevice *device, unsigned char *data, size_t length)
{
    if (!device)
        return -1;
    QMutexLocker locker(&m_lock);
    return m_backend->getFeatureReport(device, data, length);
}

bool HidSeam::watchDeviceChanges(platform::DeviceChangeHandler handler, void *context)
{
    QMutexLocker locker(&m_lock);
    return m_backend->watchDeviceChanges(handler, context);
}

void HidSeam::releaseLibraryWhenUnused()
{
    if (m_backendInitialised && m_initCount == 0 && m_openCount == 0) {
        m_backend->exit();
        m_backendInitialised = false;
    }
}
