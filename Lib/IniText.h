#pragma once

#include <QByteArray>
#include <QString>
#include <QVariant>
#include <QVariantMap>

// config.ini in QSettings' INI format (INI codec UTF-8): QSettings reads it,
// and this text is what gets written, so that the write can be checked to
// the last byte.

// `document` with the setting at `fullKey` ("group/key", as iniSettingsKey
// forms it) set to the string `value`, every other byte as it was: the line
// that QSettings would take the value from gets the new value, or the key is
// added to its section, or the section to the end. Values the program does
// not understand (typed values, bytes that are not UTF-8, comments) survive.
QByteArray iniWithValue(const QByteArray &document, const QString &fullKey, const QString &value);

// One key or section name, escaped as QSettings expects.
QByteArray iniEscapedKey(const QString &key);

// One string value, escaped and quoted as QSettings expects.
QByteArray iniEscapedValue(const QString &value);

// Every setting of an INI file as QSettings reads it (INI codec UTF-8; a
// missing file reads as empty), keyed by its full normalized path.
QVariantMap readIniFile(const QString &path);

// The full path QSettings forms from a group and a key name: the parts
// between slashes, empty ones dropped. Empty when the key name has no part.
QString iniSettingsKey(const QString &groupName, const QString &keyName);

// A setting as the interface gets it: always text. A hand-edited value with
// commas comes back from the INI reader as a list and is joined again.
QString iniValueText(const QVariant &value);
