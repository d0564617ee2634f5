#include "hidEnumerate.h"

#include "CommandReport.h"
#include "DeviceCatalogue.h"
#include "HidSeam.h"

#include <hidapi.h>

#include <QDebug>
#include <QElapsedTimer>
#include <QSet>
#include <QThread>
#include <QTimer>

namespace {
constexpr int kPollIntervalMs = 10;
constexpr int kReplyDeadlineMs = 500;
} // namespace

hidEnumerate::hidEnumerate(QObject *parent)
    : QObject(parent)
{
}

hidEnumerate::~hidEnumerate() = default;

bool hidEnumerate::openDevice(const char *path)
{
    // A handle still held would otherwise be lost, keeping the device open
    // and the HID library initialised for good.
    closeDevice();
    HidSeam &hid = HidSeam::instance();
    if (hid.init() != 0) {
        m_device = nullptr;
        return false;
    }
    m_device = hid.openPath(path);
    if (!m_device) {
        hid.exit();
        return false;
    }
    return true;
}

bool hidEnumerate::closeDevice()
{
    if (m_device) {
        HidSeam &hid = HidSeam::instance();
        hid.close(m_device);
        m_device = nullptr;
        hid.exit();
    }
    return true;
}

QString hidEnumerate::sendCmd(QString cmd)
{
    QString result;
    if (!m_device)
        return result;
    const QByteArray command = CommandReport::build(cmd.toLocal8Bit());
    if (command.isEmpty()) {
        qDebug("Command too long for a feature report.");
        return result;
    }

    HidSeam &hid = HidSeam::instance();
    if (hid.sendFeatureReport(m_device, reinterpret_cast<const unsigned char *>(command.constData()),
                              CommandReport::kReportSize) < 0) {
        qDebug("Unable to send a feature report.");
        return QString();
    }

    QElapsedTimer sinceFirstPoll;
    sinceFirstPoll.start();
    for (;;) {
        QThread::msleep(kPollIntervalMs);
        unsigned char report[CommandReport::kReportSize] = {CommandReport::kReplyReportId};
        if (hid.getFeatureReport(m_device, report, sizeof report) < 0) {
            qDebug("Unable to get a feature report.");
            return QString();
        }
        result += CommandReport::decodeReplyChunk(report, sizeof report);
        if (result.contains(QLatin1String("Command")) || sinceFirstPoll.elapsed() >= kReplyDeadlineMs)
            return result;
    }
}

void hidEnumerate::enumerate(int network)
{
    m_networkMode = network;
    m_devlist.clear();
    HidSeam &hid = HidSeam::instance();
    hid_device_info *devices = hid.enumerate(0, 0);
    QSet<QString> listedPaths;
    for (const hid_device_info *entry = devices; entry; entry = entry->next) {
        const QString productId = DeviceCatalogue::productIdText(entry->product_id);
        if (!m_catalogue.contains(productId) || !entry->path)
            continue;
        // Candidates are probed on a handle of their own, so a device this
        // instance may hold stays untouched.
        if (hid.init() != 0)
            continue;
        HidDevice *probe = hid.openPath(entry->path);
        if (!probe) {
            hid.exit();
            continue;
        }
        const QString path = QString::fromLocal8Bit(entry->path);
        if (!listedPaths.contains(path)) {
            QVariantMap record = m_catalogue.value(productId);
            record.insert(QStringLiteral("path"), path);
            listedPaths.insert(path);
            m_devlist.append(record);
        }
        hid.close(probe);
        hid.exit();
    }
    if (m_devlist.isEmpty())
        qDebug("no device");
    hid.freeEnumeration(devices);
    emit hidFinished();
}

void hidEnumerate::loadDeviceRes()
{
    m_catalogueText = DeviceCatalogue::loadText(m_networkMode);
    initDevice();
}

void hidEnumerate::initDevice()
{
    m_catalogue.clear();
    QList<DeviceCatalogue::Model> models;
    const DeviceCatalogue::ParseResult result = DeviceCatalogue::parse(m_catalogueText.toUtf8(), &models);
    if (result == DeviceCatalogue::ParseResult::SyntaxError) {
        qDebug("json error");
        return;
    }
    for (const DeviceCatalogue::Model &model : qAsConst(models))
        m_catalogue.insert(model.pid, model.record);
    DeviceCatalogue::addSupportedIds(models);
}

void hidEnumerate::beginHeartBeat()
{
    if (!m_heartbeatTimer) {
        m_heartbeatTimer = new QTimer(this);
        m_heartbeatTimer->setInterval(2000);
        connect(m_heartbeatTimer, &QTimer::timeout, this, &hidEnumerate::heartBeat);
    }
    m_heartbeatTimer->start();
}

void hidEnumerate::heartBeat()
{
    const bool answered = !sendCmd(QStringLiteral("test")).isEmpty();
    if (answered != (m_status != 0)) {
        m_status = answered ? 1 : 0;
        emit statusChanged();
    }
}

void hidEnumerate::stopHeartBeat()
{
    if (m_heartbeatTimer)
        m_heartbeatTimer->stop();
}

int hidEnumerate::status()
{
    return m_status;
}
