#pragma once

#include "SimSwitch.h"

#include <QElapsedTimer>
#include <QFile>
#include <QHash>
#include <QJsonObject>
#include <QObject>
#include <QSet>
#include <memory>
#include <vector>

class QLocalServer;
class QLocalSocket;

// A HID device that is not a switch: enumeration lists it, and it has no
// feature reports to speak of.
struct OtherDevice
{
    quint16 vid = 0;
    quint16 pid = 0;
    QString product;
    int index = 0; // 1-based among the other devices
    QString path() const;
};

// Serves the HID seam's requests and the shell's control commands on one
// local socket, and tells subscribers when a switch comes or goes.
class SimServer : public QObject
{
    Q_OBJECT

public:
    // `switchAtPosition` tells, for each device in listing order, whether it
    // is the next switch or the next other device.
    SimServer(std::vector<SimSwitch> switches, std::vector<OtherDevice> others,
              const std::vector<bool> &switchAtPosition, QObject *parent = nullptr);

    bool listen(const QString &name, QString *error);
    bool openTrace(const QString &path, QString *error);
    QString fullServerName() const;
    // The switch simulating `model`, or null; for the firmware service.
    const SwitchSpec *specOfModel(const QString &model) const;

private:
    struct Handle
    {
        QLocalSocket *owner;
        int device; // index into m_devices
    };
    struct Device
    {
        SimSwitch *simSwitch = nullptr;    // one of the two is set
        const OtherDevice *other = nullptr;
        bool present() const { return simSwitch ? simSwitch->present() : true; }
        QString path() const { return simSwitch ? simSwitch->path() : other->path(); }
    };

    void onNewConnection();
    void onReadyRead(QLocalSocket *socket);
    void onDisconnected(QLocalSocket *socket);
    QJsonObject handle(QLocalSocket *socket, const QJsonObject &request);
    QJsonObject enumerateDevices() const;
    QJsonObject open(QLocalSocket *socket, const QString &path);
    QJsonObject send(int handle, const QByteArray &report);
    QJsonObject get(int handle);
    QJsonObject control(const QStringList &args);
    QJsonObject flashUpgrading();
    SimSwitch *switchAt(const QString &oneBasedIndex);
    SimSwitch *switchOf(int handle);

    void trace(const char *direction, const QByteArray &report);
    // Compares presence with the last known and announces every change.
    void announceChanges();

    static constexpr int kRestartMs = 1500; // a flashed switch is away from USB this long

    std::vector<SimSwitch> m_switches;
    std::vector<OtherDevice> m_others;
    std::vector<Device> m_devices;
    std::vector<bool> m_wasPresent;
    QLocalServer *m_server;
    QHash<int, Handle> m_handles;
    int m_nextHandle = 1;
    QSet<QLocalSocket *> m_subscribers;
    QElapsedTimer m_clock;
    QFile m_trace;
};
