#pragma once

#include "HidBackend.h"

#include <QHash>
#include <QMap>
#include <QObject>
#include <QString>
#include <QVariantList>
#include <QVariantMap>

#include <functional>

class HidLink;
class QTimer;

// The device link: opens a switch, exchanges text commands with it through
// feature reports, holds the catalogue of supported models, discovers
// attached switches and watches the open one with a heartbeat.
//
// The device itself is spoken to on the HID thread (HidLink), so a switch
// that answers late never holds up the window. Discovery and the heartbeat
// report through their signals; a caller that needs an answer in place
// (sendCmd) waits in a local event loop, so frames keep drawing meanwhile,
// and the signals that could tear the caller's page away are held until the
// wait is over.
class hidEnumerate : public QObject
{
    Q_OBJECT
    Q_PROPERTY(QVariantList devlist READ devlist NOTIFY hidFinished)

public:
    explicit hidEnumerate(QObject *parent = nullptr);
    ~hidEnumerate() override;

    // Opening touches no device I/O and waits only for the HID thread's job
    // under way (an exchange with this link's old device is cut short).
    bool openDevice(const char *path);
    // Queued; the device is closed before anything asked for later.
    bool closeDevice();
    // Why the last openDevice failed, None after a success.
    HidOpenFailure openFailure() const { return m_openFailure; }

    QVariantList devlist() const { return m_devlist; }

    // Discovery runs on the HID thread; hidFinished comes when the last
    // search asked for is done (an earlier one it overtook is dropped, its
    // caller having cleared its list for the later one).
    Q_INVOKABLE void enumerate(int network);
    Q_INVOKABLE QString sendCmd(QString cmd);
    // The rest of the last command's reply, read on without a new command.
    QString awaitReply();
    Q_INVOKABLE void loadDeviceRes();
    // Tries the device at `path` again; openChecked tells the outcome and
    // its record in devlist takes the new "openError" and "openCommand".
    Q_INVOKABLE void retryOpen(QString path);

    // The exchange without waiting: `then` gets the reply on this thread,
    // unless the device was closed or reopened meanwhile.
    void sendCmdAsync(const QString &cmd, std::function<void(const QString &)> then);
    // Whether a heartbeat probe is under way.
    bool probing() const { return m_probing; }
    // Whether a caller waits for the device in a local event loop.
    static bool waiting();

signals:
    void hidFinished();
    void statusChanged();
    void openChecked(QString path, QString openError);

public slots:
    void beginHeartBeat();
    void heartBeat();
    void stopHeartBeat();
    int status();

private:
    using Job = std::function<QVariant(HidLink &)>;
    using Then = std::function<void(const QVariant &)>;

    void initDevice();
    void post(const Job &job, Then then);
    void onDone(quint64 request, const QVariant &result);
    // The job's result, waited for in a local event loop.
    QVariant await(const Job &job);

    HidLink *m_link;
    quint64 m_nextRequest = 0;
    QHash<quint64, Then> m_pending;
    QVariantList m_devlist;
    QString m_catalogueText;
    QMap<QString, QVariantMap> m_catalogue;
    QTimer *m_heartbeatTimer = nullptr;
    int m_status = 0;
    // After an open the status is unknown: the first heartbeat reports
    // either way, so a switch gone before it is noticed too.
    bool m_statusKnown = true;
    bool m_probing = false;
    int m_networkMode = 0;
    int m_openGeneration = 0;
    int m_searches = 0;
    HidOpenFailure m_openFailure = HidOpenFailure::None;
};
