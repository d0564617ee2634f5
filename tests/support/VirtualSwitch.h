#pragma once

#include <QJsonObject>
#include <QProcess>
#include <QString>
#include <QStringList>

// Runs one kvm-sim process for a test: its own socket and trace file, the
// shell's control commands, and the trace read back as (direction, bytes).
class VirtualSwitch
{
public:
    struct TraceLine
    {
        double ms;
        QString direction; // "to-switch" or "to-host"
        QByteArray report;
    };

    explicit VirtualSwitch(const QStringList &switchSpecs = {QString()}, const QStringList &otherSpecs = {});
    ~VirtualSwitch();

    // Starts the process and waits until it listens.
    bool start();
    void kill();
    QString socketName() const { return m_socketName; }

    // Points this process's HID seam at the virtual switch.
    void connectSeam() const;
    // start() and connectSeam() in one, for tests that talk to it themselves.
    bool startForThisProcess();

    bool control(const QStringList &args, QString *output = nullptr) const;
    QJsonObject state(int switchIndex) const;
    // The interface path of switch `switchIndex`, as the seam opens it.
    QByteArray path(int switchIndex = 1) const;
    QList<TraceLine> trace() const;
    QList<QByteArray> commandReports() const; // the "to-switch" reports in order

private:
    QStringList m_arguments;
    QString m_socketName;
    QString m_tracePath;
    QProcess m_process;
};
