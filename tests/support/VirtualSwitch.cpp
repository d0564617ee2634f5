#include "VirtualSwitch.h"

#include "HidSeam.h"
#include "SimulatorHidBackend.h"

#include <QAtomicInt>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QJsonDocument>

namespace {
QAtomicInt g_counter;
const QString kExecutable = QStringLiteral(KVM_SIM_EXECUTABLE);
}

VirtualSwitch::VirtualSwitch(const QStringList &switchSpecs, const QStringList &otherSpecs)
{
    const int number = g_counter.fetchAndAddRelaxed(1);
    m_socketName = QStringLiteral("kvm-sim-%1-%2").arg(QCoreApplication::applicationPid()).arg(number);
    m_tracePath = QDir::temp().filePath(m_socketName + QStringLiteral(".trace"));
    m_arguments << QStringLiteral("--socket") << m_socketName << QStringLiteral("--trace") << m_tracePath;
    for (const QString &spec : switchSpecs)
        m_arguments << QStringLiteral("--switch") << spec;
    for (const QString &spec : otherSpecs)
        m_arguments << QStringLiteral("--other") << spec;
}

VirtualSwitch::~VirtualSwitch()
{
    kill();
    QFile::remove(m_tracePath);
}

bool VirtualSwitch::start()
{
    m_process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    m_process.start(kExecutable, m_arguments);
    if (!m_process.waitForStarted(5000))
        return false;
    while (!m_process.canReadLine()) {
        if (!m_process.waitForReadyRead(5000))
            return false;
    }
    return m_process.readLine().startsWith("kvm-sim listening on");
}

void VirtualSwitch::kill()
{
    if (m_process.state() != QProcess::NotRunning) {
        m_process.kill();
        m_process.waitForFinished(5000);
    }
}

void VirtualSwitch::connectSeam() const
{
    HidSeam::setBackend(std::make_unique<SimulatorHidBackend>(m_socketName));
}

bool VirtualSwitch::startForThisProcess()
{
    if (!start())
        return false;
    connectSeam();
    return true;
}

QByteArray VirtualSwitch::path(int switchIndex) const
{
    return state(switchIndex).value(QStringLiteral("path")).toString().toLocal8Bit();
}

bool VirtualSwitch::control(const QStringList &args, QString *output) const
{
    QProcess ctl;
    ctl.start(kExecutable, QStringList{QStringLiteral("--socket"), m_socketName, QStringLiteral("ctl")} + args);
    if (!ctl.waitForFinished(10000))
        return false;
    if (output)
        *output = QString::fromUtf8(ctl.readAllStandardOutput()).trimmed();
    return ctl.exitStatus() == QProcess::NormalExit && ctl.exitCode() == 0;
}

QJsonObject VirtualSwitch::state(int switchIndex) const
{
    QString output;
    if (!control({QStringLiteral("state"), QString::number(switchIndex)}, &output))
        return {};
    return QJsonDocument::fromJson(output.toUtf8()).object();
}

QList<VirtualSwitch::TraceLine> VirtualSwitch::trace() const
{
    QList<TraceLine> lines;
    QFile file(m_tracePath);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        return lines;
    while (!file.atEnd()) {
        const QList<QByteArray> fields = file.readLine().trimmed().split(' ');
        if (fields.size() == 3)
            lines.append({fields[0].toDouble(), QString::fromLatin1(fields[1]), QByteArray::fromHex(fields[2])});
    }
    return lines;
}

QList<QByteArray> VirtualSwitch::commandReports() const
{
    QList<QByteArray> reports;
    for (const TraceLine &line : trace()) {
        if (line.direction == QLatin1String("to-switch"))
            reports.append(line.report);
    }
    return reports;
}
