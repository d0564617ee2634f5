#include "regedit.h"

#include "Brand.h"
#include "RegistryStore.h"
#include "fileio.h"

namespace {

const QString kApplicationKey = QStringLiteral("HKEY_CURRENT_USER\\Software\\" PORTVIEW_BRAND_WORD "\\" PORTVIEW_BRAND_WORD " Portview");
const QString kSchemeBase = QStringLiteral("HKEY_CURRENT_USER\\AppEvents\\Schemes\\Apps\\.Default");
const QString kUnnamedValue = QStringLiteral(".");
const QString kSystemGroup = QStringLiteral("System");

struct DeviceEvent
{
    const char *name;
    const char *currentKey;
    const char *defaultKey;
};

const DeviceEvent kDeviceEvents[] = {
    {"connect", "\\DeviceConnect\\.Current", "\\DeviceConnect\\.Default"},
    {"disconnect", "\\DeviceDisConnect\\.Current", "\\DeviceDisConnect\\.Default"},
    {"fail", "\\DeviceFail\\.Current", "\\DeviceFail\\.Default"},
};

} // namespace

regedit::regedit(QObject *parent)
    : QObject(parent)
{
}

void regedit::setRegedit(QString key, QVariant value)
{
    RegistryStore::setValue(kApplicationKey, key, value);
}

QString regedit::readRegedit(QString key, QVariant defaultValue)
{
    return RegistryStore::value(kApplicationKey, key, defaultValue).toString();
}

QString regedit::readRegedit(QString key)
{
    return readRegedit(key, QVariant());
}

// Every read refreshes the remembered defaults, so a restore brings back the
// system's default sounds of the moment.
QVariantMap regedit::getMuteReg(QString key, QVariant defaultValue)
{
    m_defaultSounds.clear();
    fileIo io;
    for (const DeviceEvent &event : kDeviceEvents) {
        const QString sound =
            RegistryStore::value(kSchemeBase + QLatin1String(event.defaultKey), key, defaultValue).toString();
        m_defaultSounds.insert(QLatin1String(event.name), sound);
        io.setIni(kSystemGroup, QLatin1String(event.name), sound);
    }
    return m_defaultSounds;
}

QVariantMap regedit::getMuteReg(QString key)
{
    return getMuteReg(key, QVariant());
}

void regedit::setMuteReg(QString, QVariant value)
{
    for (const DeviceEvent &event : kDeviceEvents)
        RegistryStore::setValue(kSchemeBase + QLatin1String(event.currentKey), kUnnamedValue, value);
}

// A sound never remembered is written as an empty text: the event stays silent.
void regedit::emitRestore()
{
    fileIo io;
    const QVariantMap remembered = io.loadIni(kSystemGroup, QString());
    for (const DeviceEvent &event : kDeviceEvents) {
        RegistryStore::setValue(kSchemeBase + QLatin1String(event.currentKey), kUnnamedValue,
                                remembered.value(QLatin1String(event.name)).toString());
    }
}
