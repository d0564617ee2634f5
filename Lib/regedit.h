#pragma once

#include <QObject>
#include <QString>
#include <QVariant>
#include <QVariantMap>

// Values under the application's own registry key, and the system's sounds
// for device connection, disconnection and failure: muting empties the
// current sounds, restoring copies back the defaults remembered in
// config.ini. Holds no registry handle between calls.
class regedit : public QObject
{
    Q_OBJECT

public:
    explicit regedit(QObject *parent = nullptr);

    Q_INVOKABLE void setRegedit(QString key, QVariant value);
    Q_INVOKABLE QString readRegedit(QString key, QVariant defaultValue);
    Q_INVOKABLE QString readRegedit(QString key);
    Q_INVOKABLE void setMuteReg(QString key, QVariant value);
    Q_INVOKABLE QVariantMap getMuteReg(QString key, QVariant defaultValue);
    Q_INVOKABLE QVariantMap getMuteReg(QString key);

public slots:
    void emitRestore();

private:
    QVariantMap m_defaultSounds;
};
