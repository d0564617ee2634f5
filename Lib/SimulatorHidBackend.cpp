#include "SimulatorHidBackend.h"

#include "SimulatorProtocol.h"

#include <hidapi.h>

#include <QJsonArray>
#include <QJsonDocument>
#include <QLocalSocket>
#include <QObject>
#include <QThread>
#include <QTimer>

#include <cstdlib>
#include <cstring>

namespace {

constexpr int kConnectTimeoutMs = 500;
constexpr int kAnswerTimeoutMs = 2000;

class SimulatorDevice : public HidDevice
{
public:
    SimulatorDevice(int handle, int generation) : handle(handle), generation(generation) {}
    int handle;
    int generation;
};

wchar_t *wideCopy(const QString &text)
{
    const std::wstring wide = text.toStdWString();
    auto *copy = static_cast<wchar_t *>(std::calloc(wide.size() + 1, sizeof(wchar_t)));
    if (copy)
        std::wmemcpy(copy, wide.c_str(), wide.size());
    return copy;
}

hid_device_info *deviceInfoFrom(const QJsonObject &device)
{
    auto *info = static_cast<hid_device_info *>(std::calloc(1, sizeof(hid_device_info)));
    if (!info)
        return nullptr;
    info->path = strdup(device.value(simproto::kPath).toString().toLocal8Bit().constData());
    info->vendor_id = static_cast<unsigned short>(device.value(simproto::kVendorId).toInt());
    info->product_id = static_cast<unsigned short>(device.value(simproto::kProductId).toInt());
    info->serial_number = wideCopy(device.value(simproto::kSerial).toString());
    info->manufacturer_string = wideCopy(device.value(simproto::kManufacturer).toString());
    info->product_string = wideCopy(device.value(simproto::kProduct).toString());
    info->interface_number = device.value(simproto::kInterface).toInt();
    return info;
}

// The connection belongs to the thread that made the HID calls; from any
// other it is handed to its own thread to be deleted there.
void deleteInItsThread(QObject *object)
{
    if (!object)
        return;
    if (object->thread() == QThread::currentThread())
        delete object;
    else
        object->deleteLater();
}

HidOpenFailure failureNamed(const QString &reason)
{
    if (reason == QLatin1String(simproto::kPermission))
        return HidOpenFailure::Permission;
    if (reason == QLatin1String(simproto::kBusy))
        return HidOpenFailure::Busy;
    return HidOpenFailure::Other;
}

} // namespace

// Listens for the virtual switch's arrival and removal announcements on a
// connection of its own, driven by the event loop, and keeps reconnecting
// while the virtual switch is away so announcements resume when it returns.
class SimulatorHidBackend::ChangeWatcher : public QObject
{
public:
    ChangeWatcher(const QString &socketName, platform::DeviceChangeHandler handler, void *context)
        : m_socketName(socketName), m_handler(handler), m_context(context)
    {
        m_retry.setInterval(1000);
        connect(&m_retry, &QTimer::timeout, this, &ChangeWatcher::connectToSimulator);
        connect(&m_socket, &QLocalSocket::connected, this, [this] {
            m_retry.stop();
            m_socket.write(QJsonDocument(QJsonObject{{simproto::kOp, simproto::kSubscribe}})
                               .toJson(QJsonDocument::Compact) + '\n');
        });
        connect(&m_socket, &QLocalSocket::readyRead, this, &ChangeWatcher::readAnnouncements);
        connect(&m_socket, &QLocalSocket::disconnected, &m_retry, qOverload<>(&QTimer::start));
        connect(&m_socket, &QLocalSocket::errorOccurred, &m_retry, qOverload<>(&QTimer::start));
        connectToSimulator();
    }

private:
    void connectToSimulator()
    {
        if (m_socket.state() == QLocalSocket::UnconnectedState)
            m_socket.connectToServer(m_socketName);
    }

    void readAnnouncements()
    {
        while (m_socket.canReadLine()) {
            const QJsonObject message = QJsonDocument::fromJson(m_socket.readLine()).object();
            const QString event = message.value(simproto::kEvent).toString();
            if (event.isEmpty())
                continue; // the answer to the subscription
            m_handler(m_context, event == QLatin1String(simproto::kArrival),
                      message.value(simproto::kName).toString().toStdU16String());
        }
    }

    QString m_socketName;
    platform::DeviceChangeHandler m_handler;
    void *m_context;
    QLocalSocket m_socket;
    QTimer m_retry;
};

SimulatorHidBackend::SimulatorHidBackend(const QString &socketName)
    : m_socketName(socketName)
{
}

SimulatorHidBackend::~SimulatorHidBackend()
{
    deleteInItsThread(m_watcher);
    deleteInItsThread(m_socket);
}

void SimulatorHidBackend::releaseConnections()
{
    deleteInItsThread(m_socket);
    m_socket = nullptr;
}

bool SimulatorHidBackend::watchDeviceChanges(platform::DeviceChangeHandler handler, void *context)
{
    delete m_watcher;
    m_watcher = new ChangeWatcher(m_socketName, handler, context);
    return true;
}

int SimulatorHidBackend::init()
{
    return 0;
}

int SimulatorHidBackend::exit()
{
    return 0;
}

bool SimulatorHidBackend::ensureConnected()
{
    if (m_socket && m_socket->state() == QLocalSocket::ConnectedState)
        return true;
    deleteInItsThread(m_socket);
    m_socket = new QLocalSocket;
    m_socket->connectToServer(m_socketName);
    if (!m_socket->waitForConnected(kConnectTimeoutMs)) {
        delete m_socket;
        m_socket = nullptr;
        return false;
    }
    ++m_connectionGeneration;
    return true;
}

QJsonObject SimulatorHidBackend::exchange(const QJsonObject &request, QJsonObject *refusal)
{
    if (!ensureConnected())
        return {};
    m_socket->write(QJsonDocument(request).toJson(QJsonDocument::Compact) + '\n');
    if (!m_socket->waitForBytesWritten(kAnswerTimeoutMs)) {
        m_socket->abort();
        return {};
    }
    while (!m_socket->canReadLine()) {
        if (!m_socket->waitForReadyRead(kAnswerTimeoutMs)) {
            m_socket->abort();
            return {};
        }
    }
    const QJsonObject answer = QJsonDocument::fromJson(m_socket->readLine()).object();
    if (answer.value(simproto::kOk).toBool())
        return answer;
    if (refusal)
        *refusal = answer;
    return {};
}

int SimulatorHidBackend::liveHandle(HidDevice *device) const
{
    const auto *simulated = static_cast<SimulatorDevice *>(device);
    return simulated->generation == m_connectionGeneration ? simulated->handle : -1;
}

hid_device_info *SimulatorHidBackend::enumerate(unsigned short vendorId, unsigned short productId)
{
    const QJsonObject answer = exchange({{simproto::kOp, simproto::kEnumerate}});
    hid_device_info *first = nullptr;
    hid_device_info **tail = &first;
    for (const QJsonValue &value : answer.value(simproto::kDevices).toArray()) {
        const QJsonObject device = value.toObject();
        if (vendorId && device.value(simproto::kVendorId).toInt() != vendorId)
            continue;
        if (productId && device.value(simproto::kProductId).toInt() != productId)
            continue;
        hid_device_info *info = deviceInfoFrom(device);
        if (!info)
            break;
        *tail = info;
        tail = &info->next;
    }
    return first;
}

void SimulatorHidBackend::freeEnumeration(hid_device_info *devices)
{
    while (devices) {
        hid_device_info *next = devices->next;
        std::free(devices->path);
        std::free(devices->serial_number);
        std::free(devices->manufacturer_string);
        std::free(devices->product_string);
        std::free(devices);
        devices = next;
    }
}

HidDevice *SimulatorHidBackend::openPath(const char *path, HidOpenFailure *failure)
{
    QJsonObject refusal;
    const QJsonObject answer = exchange({{simproto::kOp, simproto::kOpen},
                                         {simproto::kPath, QString::fromLocal8Bit(path)}}, &refusal);
    if (answer.isEmpty()) {
        if (failure)
            *failure = failureNamed(refusal.value(simproto::kError).toString());
        return nullptr;
    }
    return new SimulatorDevice(answer.value(simproto::kHandle).toInt(), m_connectionGeneration);
}

void SimulatorHidBackend::close(HidDevice *device)
{
    const int handle = liveHandle(device);
    if (handle >= 0)
        exchange({{simproto::kOp, simproto::kClose}, {simproto::kHandle, handle}});
    delete device;
}

QJsonObject SimulatorHidBackend::reportExchange(const char *op, HidDevice *device, const unsigned char *data,
                                                size_t length)
{
    const int handle = liveHandle(device);
    if (handle < 0)
        return {};
    const QByteArray bytes(reinterpret_cast<const char *>(data), static_cast<int>(length));
    return exchange({{simproto::kOp, op}, {simproto::kHandle, handle}, {simproto::kData, QString::fromLatin1(bytes.toHex())}});
}

int SimulatorHidBackend::sendFeatureReport(HidDevice *device, const unsigned char *data, size_t length)
{
    const QJsonObject answer = reportExchange(simproto::kSend, device, data, length);
    return answer.isEmpty() ? -1 : answer.value(simproto::kResult).toInt();
}

int SimulatorHidBackend::getFeatureReport(HidDevice *device, unsigned char *data, size_t length)
{
    const QJsonObject answer = reportExchange(simproto::kGet, device, data, length);
    if (answer.isEmpty())
        return -1;
    const QByteArray reply = QByteArray::fromHex(answer.value(simproto::kData).toString().toLatin1());
    const size_t copied = std::min(length, static_cast<size_t>(reply.size()));
    std::memcpy(data, reply.constData(), copied);
    return answer.value(simproto::kResult).toInt();
}
