#pragma once

#include "HidBackend.h"

#include <QJsonObject>
#include <QString>

class QLocalSocket;

// Talks to the virtual switch over a local socket with blocking exchanges, so
// the program's code paths and timing stay those of real hardware. When the
// virtual switch is absent or gone, every operation fails the way hidapi
// does for a missing device: no devices, null handles, negative results.
class SimulatorHidBackend : public HidBackend
{
public:
    explicit SimulatorHidBackend(const QString &socketName);
    ~SimulatorHidBackend() override;

    int init() override;
    int exit() override;
    hid_device_info *enumerate(unsigned short vendorId, unsigned short productId) override;
    void freeEnumeration(hid_device_info *devices) override;
    HidDevice *openPath(const char *path, HidOpenFailure *failure) override;
    void close(HidDevice *device) override;
    int sendFeatureReport(HidDevice *device, const unsigned char *data, size_t length) override;
    int getFeatureReport(HidDevice *device, unsigned char *data, size_t length) override;
    bool watchDeviceChanges(platform::DeviceChangeHandler handler, void *context) override;
    void releaseConnections() override;

private:
    bool ensureConnected();
    // Sends one request and waits for its answer; an empty object on failure,
    // with the refusing answer in `refusal` when the switch said no.
    QJsonObject exchange(const QJsonObject &request, QJsonObject *refusal = nullptr);
    // A feature report through handle `device`: "send" or "get".
    QJsonObject reportExchange(const char *op, HidDevice *device, const unsigned char *data, size_t length);
    // The simulator's handle number, or -1 when the handle predates the
    // current connection (the simulator forgot it when the old one closed).
    int liveHandle(HidDevice *device) const;

    QString m_socketName;
    QLocalSocket *m_socket = nullptr;
    int m_connectionGeneration = 0;
    class ChangeWatcher;
    ChangeWatcher *m_watcher = nullptr;
};
