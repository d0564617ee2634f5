#include "SimServer.h"

#include "SimulatorProtocol.h"

#include <QCoreApplication>
#include <QJsonArray>
#include <QJsonDocument>
#include <QLocalServer>
#include <QLocalSocket>
#include <QTimer>

#include <cstdio>

namespace {

QJsonObject failure(const QString &why = QString())
{
    QJsonObject answer{{simproto::kOk, false}};
    if (!why.isEmpty())
        answer.insert(simproto::kOutput, why);
    return answer;
}

QJsonObject success(QJsonObject answer = {})
{
    answer.insert(simproto::kOk, true);
    return answer;
}

} // namespace

QString OtherDevice::path() const
{
    return QStringLiteral("\\\\?\\HID#VID_%1&PID_%2#8&1a0b%3&0&0000#{4d1e55b2-f16f-11cf-88cb-001111000030}")
        .arg(hex4(vid), hex4(pid), QString::number(index).rightJustified(4, QLatin1Char('0')));
}

SimServer::SimServer(std::vector<SimSwitch> switches, std::vector<OtherDevice> others,
                     const std::vector<bool> &switchAtPosition, QObject *parent)
    : QObject(parent), m_switches(std::move(switches)), m_others(std::move(others)),
      m_server(new QLocalServer(this))
{
    // Devices are listed in the order their options stood on the command line.
    size_t nextSwitch = 0;
    size_t nextOther = 0;
    for (bool isSwitch : switchAtPosition) {
        Device device;
        if (isSwitch && nextSwitch < m_switches.size())
            device.simSwitch = &m_switches[nextSwitch++];
        else if (!isSwitch && nextOther < m_others.size())
            device.other = &m_others[nextOther++];
        else
            continue;
        m_devices.push_back(device);
        m_wasPresent.push_back(device.present());
    }
    m_clock.start();
    connect(m_server, &QLocalServer::newConnection, this, &SimServer::onNewConnection);
}

bool SimServer::listen(const QString &name, QString *error)
{
    QLocalServer::removeServer(name);
    if (!m_server->listen(name)) {
        *error = m_server->errorString();
        return false;
    }
    return true;
}

bool SimServer::openTrace(const QString &path, QString *error)
{
    m_trace.setFileName(path);
    if (!m_trace.open(QIODevice::WriteOnly | QIODevice::Truncate | QIODevice::Text)) {
        *error = m_trace.errorString();
        return false;
    }
    return true;
}

const SwitchSpec *SimServer::specOfModel(const QString &model) const
{
    for (const SimSwitch &simSwitch : m_switches) {
        if (simSwitch.spec().model == model)
            return &simSwitch.spec();
    }
    return nullptr;
}

QString SimServer::fullServerName() const
{
    return m_server->fullServerName();
}

void SimServer::onNewConnection()
{
    while (QLocalSocket *socket = m_server->nextPendingConnection()) {
        connect(socket, &QLocalSocket::readyRead, this, [this, socket] { onReadyRead(socket); });
        connect(socket, &QLocalSocket::disconnected, this, [this, socket] { onDisconnected(socket); });
    }
}

void SimServer::onReadyRead(QLocalSocket *socket)
{
    while (socket->canReadLine()) {
        const QJsonObject request = QJsonDocument::fromJson(socket->readLine()).object();
        const QJsonObject answer = handle(socket, request);
        socket->write(QJsonDocument(answer).toJson(QJsonDocument::Compact) + '\n');
        socket->flush();
        announceChanges();
        if (request.value(simproto::kOp).toString() == QLatin1String(simproto::kCtl)
            && request.value(simproto::kArgs).toArray().first().toString() == QLatin1String("quit")) {
            socket->waitForBytesWritten(1000);
            QTimer::singleShot(0, qApp, &QCoreApplication::quit);
        }
    }
}

void SimServer::onDisconnected(QLocalSocket *socket)
{
    for (auto it = m_handles.begin(); it != m_handles.end();) {
        it = it->owner == socket ? m_handles.erase(it) : std::next(it);
    }
    m_subscribers.remove(socket);
    socket->deleteLater();
}

QJsonObject SimServer::handle(QLocalSocket *socket, const QJsonObject &request)
{
    const QString op = request.value(simproto::kOp).toString();
    const int handleNumber = request.value(simproto::kHandle).toInt(-1);
    const QByteArray data = QByteArray::fromHex(request.value(simproto::kData).toString().toLatin1());
    if (op == QLatin1String(simproto::kEnumerate))
        return enumerateDevices();
    if (op == QLatin1String(simproto::kOpen))
        return open(socket, request.value(simproto::kPath).toString());
    if (op == QLatin1String(simproto::kClose))
        return m_handles.remove(handleNumber) ? success() : failure();
    if (op == QLatin1String(simproto::kSend))
        return send(handleNumber, data);
    if (op == QLatin1String(simproto::kGet))
        return get(handleNumber);
    if (op == QLatin1String(simproto::kCtl)) {
        QStringList args;
        for (const QJsonValue &arg : request.value(simproto::kArgs).toArray())
            args.append(arg.toString());
        return control(args);
    }
    if (op == QLatin1String(simproto::kSubscribe)) {
        m_subscribers.insert(socket);
        return success();
    }
    return failure(QStringLiteral("unknown request"));
}

QJsonObject SimServer::enumerateDevices() const
{
    QJsonArray list;
    for (const Device &device : m_devices) {
        if (!device.present())
            continue;
        const bool isSwitch = device.simSwitch != nullptr;
        list.append(QJsonObject{
            {simproto::kPath, device.path()},
            {simproto::kVendorId, isSwitch ? device.simSwitch->spec().vid : device.other->vid},
            {simproto::kProductId, isSwitch ? device.simSwitch->spec().pid : device.other->pid},
            {simproto::kProduct, isSwitch ? device.simSwitch->spec().model : device.other->product},
            {simproto::kManufacturer, isSwitch ? QStringLiteral("Vemo") : QStringLiteral("Other")},
            {simproto::kSerial, QString()},
            {simproto::kInterface, 0},
        });
    }
    return success({{simproto::kDevices, list}});
}

QJsonObject SimServer::open(QLocalSocket *socket, const QString &path)
{
    for (size_t i = 0; i < m_devices.size(); ++i) {
        if (m_devices[i].present() && m_devices[i].path() == path) {
            const SimSwitch *simSwitch = m_devices[i].simSwitch;
            if (simSwitch && !simSwitch->spec().refuseOpen.isEmpty()) {
                QJsonObject refusal = failure(QStringLiteral("open refused"));
                refusal.insert(simproto::kError, simSwitch->spec().refuseOpen);
                return refusal;
            }
            const int number = m_nextHandle++;
            m_handles.insert(number, Handle{socket, static_cast<int>(i)});
            return success({{simproto::kHandle, number}});
        }
    }
    return failure();
}

SimSwitch *SimServer::switchOf(int handle)
{
    const auto it = m_handles.constFind(handle);
    return it == m_handles.constEnd() ? nullptr : m_devices[static_cast<size_t>(it->device)].simSwitch;
}

QJsonObject SimServer::send(int handle, const QByteArray &report)
{
    SimSwitch *simSwitch = switchOf(handle);
    const int taken = simSwitch ? simSwitch->receiveCommandReport(report, m_clock.elapsed()) : -1;
    if (taken < 0)
        return failure();
    trace("to-switch", report);
    return success({{simproto::kResult, taken}});
}

QJsonObject SimServer::get(int handle)
{
    SimSwitch *simSwitch = switchOf(handle);
    const QByteArray report = simSwitch ? simSwitch->nextReplyReport(m_clock.elapsed()) : QByteArray();
    if (report.isEmpty())
        return failure();
    trace("to-host", report);
    return success({{simproto::kResult, report.size()}, {simproto::kData, QString::fromLatin1(report.toHex())}});
}

SimSwitch *SimServer::switchAt(const QString &oneBasedIndex)
{
    bool ok = false;
    const int index = oneBasedIndex.toInt(&ok);
    if (!ok || index < 1 || index > static_cast<int>(m_switches.size()))
        return nullptr;
    return &m_switches[static_cast<size_t>(index - 1)];
}

QJsonObject SimServer::control(const QStringList &args)
{
    const QString verb = args.value(0);
    if (verb == QLatin1String("quit"))
        return success({{simproto::kOutput, QStringLiteral("bye")}});
    if (verb == QLatin1String("clock")) // the trace's time base, for latency measurements
        return success({{simproto::kOutput, QString::number(static_cast<double>(m_clock.nsecsElapsed()) / 1e6, 'f', 3)}});
    if (verb == QLatin1String("flash"))
        return flashUpgrading();
    SimSwitch *simSwitch = switchAt(args.value(1));
    if (!simSwitch)
        return failure(QStringLiteral("no switch \"%1\"").arg(args.value(1)));
    if (verb == QLatin1String("unplug") || verb == QLatin1String("plug")) {
        simSwitch->setPlugged(verb == QLatin1String("plug"));
        return success();
    }
    if (verb == QLatin1String("set")) {
        for (const QString &pair : args.mid(2)) {
            QString error;
            if (!simSwitch->set(pair, &error))
                return failure(error);
        }
        return success();
    }
    if (verb == QLatin1String("state")) {
        const QString json = QString::fromUtf8(QJsonDocument(simSwitch->state()).toJson(QJsonDocument::Compact));
        return success({{simproto::kOutput, json}});
    }
    return failure(QStringLiteral("unknown command \"%1\"").arg(verb));
}

// The upgrade tool's request: every switch in upgrade mode takes its offered
// firmware and restarts with it, leaving USB for a moment as real hardware
// does, so the host finds it anew and reads the new version.
QJsonObject SimServer::flashUpgrading()
{
    QStringList flashed;
    for (size_t i = 0; i < m_switches.size(); ++i) {
        SimSwitch &simSwitch = m_switches[i];
        if (!simSwitch.upgradeMode() || !simSwitch.present())
            continue;
        simSwitch.flash();
        simSwitch.setPlugged(false);
        flashed << QStringLiteral("%1 %2").arg(simSwitch.spec().model, simSwitch.spec().fw);
        QTimer::singleShot(kRestartMs, this, [this, i] {
            m_switches[i].setPlugged(true);
            announceChanges();
        });
    }
    if (flashed.isEmpty())
        return failure(QStringLiteral("no switch in upgrade mode"));
    const QString output = QStringLiteral("flashed ") + flashed.join(QStringLiteral(", "));
    std::fprintf(stderr, "kvm-sim: %s\n", qPrintable(output));
    std::fflush(stderr);
    return success({{simproto::kOutput, output}});
}

void SimServer::trace(const char *direction, const QByteArray &report)
{
    if (!m_trace.isOpen())
        return;
    const double ms = static_cast<double>(m_clock.nsecsElapsed()) / 1e6;
    m_trace.write(QStringLiteral("%1 %2 %3\n")
                      .arg(ms, 0, 'f', 3)
                      .arg(QLatin1String(direction), QString::fromLatin1(report.toHex()))
                      .toLatin1());
    m_trace.flush();
}

void SimServer::announceChanges()
{
    for (size_t i = 0; i < m_devices.size(); ++i) {
        const bool present = m_devices[i].present();
        if (present == m_wasPresent[i])
            continue;
        m_wasPresent[i] = present;
        const QStringList names = m_devices[i].simSwitch ? m_devices[i].simSwitch->interfaceNames()
                                                         : QStringList{m_devices[i].path()};
        for (const QString &name : names) {
            const QJsonObject event{{simproto::kEvent, present ? simproto::kArrival : simproto::kRemoval},
                                    {simproto::kName, name}};
            const QByteArray line = QJsonDocument(event).toJson(QJsonDocument::Compact) + '\n';
            for (QLocalSocket *subscriber : qAsConst(m_subscribers)) {
                subscriber->write(line);
                subscriber->flush();
            }
        }
    }
}
