#pragma once

#include <QMap>
#include <QObject>
#include <QString>
#include <QVariant>

// The device command worker. All device state lives in one process-wide
// instance, reached through instance().
class Monitor : public QObject
{
    Q_OBJECT

public:
    explicit Monitor(QObject *parent = nullptr);

    // The shared worker, built on first use.
    static Monitor *instance();

    // Vendor and product ID texts joined by "-" for every model a catalogue
    // ever listed; only ever added to.
    QMap<QString, QVariant> &supportedIds() { return m_supportedIds; }

private:
    QMap<QString, QVariant> m_supportedIds;
};
