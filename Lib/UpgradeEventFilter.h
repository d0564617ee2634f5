#pragma once

#include <QAbstractNativeEventFilter>
#include <QString>
#include <QVariantMap>
#include <QWidget>


// Tells the interface at once when a supported switch is attached or
// removed, so it can search again. Watches the system's device-interface
// notifications (Windows), udev (Linux) or the virtual switch's
// announcements, keeps the paths of the system's device sounds, and keeps a
// status text another process may send in a copy-data message.
class UpgradeEventFilter : public QWidget, public QAbstractNativeEventFilter
{
    Q_OBJECT
    Q_PROPERTY(QVariantMap result READ result NOTIFY devChanged)

public:
    explicit UpgradeEventFilter(QWidget *parent = nullptr);

    bool nativeEventFilter(const QByteArray &eventType, void *message, long *result) override;

    QVariantMap result() const { return m_result; }

    // One arrival or removal of the device interface `name`.
    void UpdateDevice(const QString &name);

signals:
    void devChanged();

public slots:
    void emitResult();
    // `para` is the device-change event as Windows numbers it
    // (platform::DeviceChangeEvent).
    void onPlaying(quintptr para);

private:
    void watchDeviceChanges();

    QVariantMap m_result;
    QString m_statusText;
    QString m_systemRoot;
};
