#pragma once

#include <QMap>
#include <QString>
#include <QVariant>

// Names of keys by Windows virtual-key code, as hotkeys are recorded, shown,
// stored and matched. Fixed English names, independent of keyboard layout and
// interface language; left and right modifiers share a name.
namespace KeyTable {

// The table: decimal code text ("160") to name ("Shift"); 107 entries.
QMap<QString, QVariant> build();

// The name for a code; empty when the table has none.
QString nameOf(const QMap<QString, QVariant> &table, unsigned vkCode);

// Comma-separated decimal codes to comma-separated names. Parts are looked
// up as written (no trimming); a part without a name adds nothing, and a
// comma follows every name that is not from the last part.
QString convertVkcodes(const QMap<QString, QVariant> &table, const QString &vkcodes);

} // namespace KeyTable
