#pragma once

#include <QByteArray>
#include <QString>
#include <QVariantMap>

// The text of an INI file in the format that QSettings reads (INI codec
// UTF-8), built from settings keyed by their full path ("group/key"; keys
// without a group go to [General]). Strings and string lists are written so
// that QSettings reads them back unchanged; other values as their text.
QByteArray iniDocument(const QVariantMap &settings);

// One key or section name, escaped as QSettings expects.
QByteArray iniEscapedKey(const QString &key);

// One string value, escaped and quoted as QSettings expects.
QByteArray iniEscapedValue(const QString &value);
