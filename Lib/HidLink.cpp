#include "HidLink.h"

#include "CommandReport.h"
#include "DeviceCatalogue.h"
#include "HidSeam.h"
#include "OpenFailure.h"

#include <hidapi.h>

#include <QDebug>
#include <QElapsedTimer>
#include <QSet>
#include <QThread>

#include <set>

namespace {

constexpr int kPollIntervalMs = 10;
constexpr int kReplyDeadlineMs = 500;

// The links holding a device; only the HID thread touches it.
std::set<HidLink *> &openLinks()
{
    static std::set<HidLink *> links;
    return links;
}

} // namespace

bool HidLink::open(const QByteArray &path, HidOpenFailure *failure)
{
    // A handle still held would otherwise be lost, keeping the device open
    // and the HID library initialised for good.
    close();
    HidSeam &hid = HidSeam::instance();
    if (hid.init() != 0) {
        *failure = HidOpenFailure::Other;
        return false;
    }
    *failure = HidOpenFailure::Other;
    m_device = hid.openPath(path.constData(), failure);
    if (!m_device) {
        hid.exit();
        return false;
    }
    *failure = HidOpenFailure::None;
    openLinks().insert(this);
    return true;
}

void HidLink::close()
{
    if (!m_device)
        return;
    HidSeam &hid = HidSeam::instance();
    hid.close(m_device);
    m_device = nullptr;
    hid.exit();
    openLinks().erase(this);
}

void HidLink::closeAll()
{
    const std::set<HidLink *> links = openLinks();
    for (HidLink *link : links)
        link->close();
}

QString HidLink::exchange(const QString &command)
{
    QString result;
    if (!m_device)
        return result;
    const QByteArray report = CommandReport::build(command.toLocal8Bit());
    if (report.isEmpty()) {
        qDebug("Command too long for a feature report.");
        return result;
    }

    const int aborts = m_aborts.loadRelaxed();
    if (HidSeam::instance().sendFeatureReport(m_device, reinterpret_cast<const unsigned char *>(report.constData()),
                                              CommandReport::kReportSize) < 0) {
        qDebug("Unable to send a feature report.");
        return QString();
    }
    return collect(kReplyDeadlineMs, aborts);
}

QString HidLink::awaitReply(int deadlineMs)
{
    return m_device ? collect(deadlineMs, m_aborts.loadRelaxed()) : QString();
}

QString HidLink::collect(int deadlineMs, int aborts)
{
    QString result;
    HidSeam &hid = HidSeam::instance();
    QElapsedTimer sinceFirstPoll;
    sinceFirstPoll.start();
    for (;;) {
        QThread::msleep(kPollIntervalMs);
        unsigned char reply[CommandReport::kReportSize] = {CommandReport::kReplyReportId};
        if (hid.getFeatureReport(m_device, reply, sizeof reply) < 0) {
            qDebug("Unable to get a feature report.");
            return QString();
        }
        result += CommandReport::decodeReplyChunk(reply, sizeof reply);
        if (result.contains(QLatin1String("Command")) || sinceFirstPoll.elapsed() >= deadlineMs
            || m_aborts.loadRelaxed() != aborts)
            return result;
    }
}

QVariantList HidLink::discover(const QMap<QString, QVariantMap> &catalogue)
{
    QVariantList found;
    HidSeam &hid = HidSeam::instance();
    hid_device_info *devices = hid.enumerate(0, 0);
    QSet<QString> listedPaths;
    for (const hid_device_info *entry = devices; entry; entry = entry->next) {
        const QString productId = DeviceCatalogue::productIdText(entry->product_id);
        if (!catalogue.contains(productId) || !entry->path)
            continue;
        const QString path = QString::fromLocal8Bit(entry->path);
        if (listedPaths.contains(path))
            continue;
        // Candidates are probed on a handle of their own, so a device another
        // link holds stays untouched. One that is there but will not open is
        // listed with the reason, for the user to act on.
        const HidOpenFailure failure = probe(entry->path);
        QVariantMap record = catalogue.value(productId);
        record.insert(QStringLiteral("path"), path);
        OpenFailure::describe(failure, &record);
        listedPaths.insert(path);
        found.append(record);
    }
    if (found.isEmpty())
        qDebug("no device");
    hid.freeEnumeration(devices);
    return found;
}

HidOpenFailure HidLink::probe(const QByteArray &path)
{
    HidSeam &hid = HidSeam::instance();
    if (hid.init() != 0)
        return HidOpenFailure::Other;
    HidOpenFailure failure = HidOpenFailure::Other;
    HidDevice *device = hid.openPath(path.constData(), &failure);
    if (device) {
        failure = HidOpenFailure::None;
        hid.close(device);
    }
    hid.exit();
    return failure;
}
