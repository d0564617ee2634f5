#pragma once

#include <QString>
#include <QVariant>

// Values under registry keys of the current user, addressed by the key's
// full path ("HKEY_CURRENT_USER\Software\...") and a value name ("." is the
// key's unnamed default value). Windows reads and writes the registry; other
// systems keep the same paths in one INI file in the user's config location,
// so every operation keeps its meaning there. Each call opens and closes
// what it touches.
namespace RegistryStore {

QVariant value(const QString &keyPath, const QString &name, const QVariant &defaultValue = QVariant());
void setValue(const QString &keyPath, const QString &name, const QVariant &value);

// Where the emulated registry lives (empty on Windows).
QString emulationFile();

} // namespace RegistryStore
