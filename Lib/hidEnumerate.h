#pragma once

#include <QMap>
#include <QObject>
#include <QString>
#include <QVariantList>
#include <QVariantMap>

class HidDevice;
class QTimer;

// The device link: opens a switch, exchanges text commands with it through
// feature reports, holds the catalogue of supported models, discovers
// attached switches and watches the open one with a heartbeat.
class hidEnumerate : public QObject
{
    Q_OBJECT
    Q_PROPERTY(QVariantList devlist READ devlist NOTIFY hidFinished)

public:
    explicit hidEnumerate(QObject *parent = nullptr);
    ~hidEnumerate() override;

    bool openDevice(const char *path);
    bool closeDevice();

    QVariantList devlist() const { return m_devlist; }

    Q_INVOKABLE void enumerate(int network);
    Q_INVOKABLE QString sendCmd(QString cmd);
    Q_INVOKABLE void loadDeviceRes();

signals:
    void hidFinished();
    void statusChanged();

public slots:
    void beginHeartBeat();
    void heartBeat();
    void stopHeartBeat();
    int status();

private:
    void initDevice();

    HidDevice *m_device = nullptr;
    QVariantList m_devlist;
    QString m_catalogueText;
    QMap<QString, QVariantMap> m_catalogue;
    QTimer *m_heartbeatTimer = nullptr;
    int m_status = 0;
    int m_networkMode = 0;
};
