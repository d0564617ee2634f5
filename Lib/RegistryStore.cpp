#include "RegistryStore.h"

#include "Brand.h"
#include "Platform/registry.h"
#include "Platform/readablefile.h"

#include <QSettings>
#include <QStandardPaths>

#include <memory>

namespace RegistryStore {
namespace {

std::unique_ptr<QSettings> openKey(const QString &keyPath)
{
    if (platform::hasNativeRegistry())
        return std::make_unique<QSettings>(keyPath, QSettings::NativeFormat);
    return std::make_unique<QSettings>(emulationFile(), QSettings::IniFormat);
}

// The INI file keeps each key's path as its group, with slashes.
QString valueKey(const QString &keyPath, const QString &name)
{
    if (platform::hasNativeRegistry())
        return name;
    QString path = keyPath;
    return path.replace(QLatin1Char('\\'), QLatin1Char('/')) + QLatin1Char('/') + name;
}

} // namespace

QString emulationFile()
{
    if (platform::hasNativeRegistry())
        return QString();
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation)
        + QStringLiteral("/" PORTVIEW_BRAND_WORD "/registry.ini");
}

// The emulated registry is a file like any other that could be replaced by
// a pipe; it is then neither read nor written.
static bool usable()
{
    return platform::hasNativeRegistry() || readable::isMissingOrRegular(emulationFile());
}

QVariant value(const QString &keyPath, const QString &name, const QVariant &defaultValue)
{
    if (!usable())
        return defaultValue;
    return openKey(keyPath)->value(valueKey(keyPath, name), defaultValue);
}

void setValue(const QString &keyPath, const QString &name, const QVariant &value)
{
    if (!usable())
        return;
    const std::unique_ptr<QSettings> key = openKey(keyPath);
    const QString valueName = valueKey(keyPath, name);
    // Every start restores the sound scheme; writing back what is already
    // there would rewrite the whole file under its lock (or the registry
    // value) each time, for nothing.
    const QVariant stored = key->value(valueName);
    if (key->contains(valueName) && stored.userType() == value.userType() && stored == value)
        return;
    key->setValue(valueName, value);
    key->sync();
}

} // namespace RegistryStore
