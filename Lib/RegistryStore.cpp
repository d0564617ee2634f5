#include "RegistryStore.h"

#include "Brand.h"

#include <QSettings>
#include <QStandardPaths>

#include <memory>

namespace RegistryStore {
namespace {

#ifdef Q_OS_WIN
std::unique_ptr<QSettings> openKey(const QString &keyPath)
{
    return std::make_unique<QSettings>(keyPath, QSettings::NativeFormat);
}

QString valueKey(const QString &, const QString &name)
{
    return name;
}
#else
std::unique_ptr<QSettings> openKey(const QString &)
{
    return std::make_unique<QSettings>(emulationFile(), QSettings::IniFormat);
}

QString valueKey(const QString &keyPath, const QString &name)
{
    QString path = keyPath;
    return path.replace(QLatin1Char('\\'), QLatin1Char('/')) + QLatin1Char('/') + name;
}
#endif

} // namespace

QString emulationFile()
{
#ifdef Q_OS_WIN
    return QString();
#else
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation)
        + QStringLiteral("/" PORTVIEW_BRAND_WORD "/registry.ini");
#endif
}

QVariant value(const QString &keyPath, const QString &name, const QVariant &defaultValue)
{
    return openKey(keyPath)->value(valueKey(keyPath, name), defaultValue);
}

void setValue(const QString &keyPath, const QString &name, const QVariant &value)
{
    const std::unique_ptr<QSettings> key = openKey(keyPath);
    key->setValue(valueKey(keyPath, name), value);
    key->sync();
}

} // namespace RegistryStore
