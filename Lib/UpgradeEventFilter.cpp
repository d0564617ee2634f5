#include "UpgradeEventFilter.h"

#include "DeviceCatalogue.h"
#include "HidSeam.h"
#include "Platform/devicenotify.h"
#include "Platform/sound.h"
#include "monitor.h"

#include <QDebug>

namespace {

void onDeviceChange(void *context, bool, const std::u16string &interfaceName)
{
    static_cast<UpgradeEventFilter *>(context)->UpdateDevice(QString::fromStdU16String(interfaceName));
}

} // namespace

UpgradeEventFilter::UpgradeEventFilter(QWidget *parent)
    : QWidget(parent, Qt::WindowFlags())
{
    // The widget is never shown; its native window receives the system's
    // device notifications.
    platform::registerDeviceNotifications(static_cast<std::uintptr_t>(winId()));
    m_result = Monitor::instance()->registry().getMuteReg(QStringLiteral("."), QString());
    m_systemRoot = qEnvironmentVariable("SYSTEMROOT");
    watchDeviceChanges();
}

// The virtual switch announces its own comings and goings; with real
// hardware outside Windows, udev tells.
void UpgradeEventFilter::watchDeviceChanges()
{
    if (!HidSeam::instance().watchDeviceChanges(&onDeviceChange, this))
        platform::startDeviceMonitor(&onDeviceChange, this);
}

bool UpgradeEventFilter::nativeEventFilter(const QByteArray &, void *message, long *)
{
    const platform::DeviceMessage decoded = platform::decodeNativeMessage(message);
    switch (decoded.kind) {
    case platform::DeviceMessageKind::CopyData:
        m_statusText = QString::fromUtf8(decoded.copyData.data(), static_cast<int>(decoded.copyData.size()));
        break;
    case platform::DeviceMessageKind::Arrival:
    case platform::DeviceMessageKind::Removal:
        UpdateDevice(QString::fromStdU16String(decoded.interfaceName));
        break;
    case platform::DeviceMessageKind::Other:
        break;
    }
    return false;
}

void UpgradeEventFilter::UpdateDevice(const QString &name)
{
    if (name.size() <= 4) {
        qDebug("devinf length error");
        return;
    }
    // The key is cut before any change of case: only names that write the
    // IDs as the catalogue does match.
    const QString key = DeviceCatalogue::idAfter(name, QStringLiteral("VID_")) + QLatin1Char('-')
                        + DeviceCatalogue::idAfter(name, QStringLiteral("PID_"));
    const QString id = name.mid(4).replace(QLatin1Char('#'), QLatin1Char('\\')).toUpper();
    if (id.contains(QLatin1Char('\\')) && DeviceCatalogue::supportedIds().contains(key)) {
        qDebug("support device is changed");
        emit devChanged();
    }
}

void UpgradeEventFilter::emitResult()
{
    m_result.insert(QStringLiteral("statsu"), m_statusText.toInt());
    emit devChanged();
}

// Removal plays the system's disconnect sound once, without waiting for it.
// Arrival plays nothing: the system plays its own connect sound unless
// silent removal muted it.
void UpgradeEventFilter::onPlaying(quintptr para)
{
    if (para != platform::kDeviceRemoveComplete)
        return;
    const QString path = m_result.value(QStringLiteral("disconnect"))
                             .toString()
                             .replace(QStringLiteral("%SystemRoot%"), m_systemRoot);
    if (!path.isEmpty())
        platform::playSound(path.toStdU16String());
}
