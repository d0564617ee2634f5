#pragma once

#include <QList>
#include <QMap>
#include <QString>
#include <QVariant>
#include <QVariantMap>

// The catalogue of supported switch models: a JSON object whose "devlist"
// array holds one object per model. Parsing is kept free of I/O so the
// catalogue's hostile-input behaviour can be tested directly; loading and
// the process-wide table of supported IDs sit beside it, so the device link,
// the worker and the device-change filter share them without knowing each
// other.
namespace DeviceCatalogue {

struct Model
{
    QString pid;        // key the catalogue is looked up by
    QString supportKey; // "vid" + "-" + "pid", as the supported-ID table keeps it
    QVariantMap record;
};

enum class ParseResult { Ok, SyntaxError, NotAnObject };

// The models in document order. Values that are not JSON strings, and
// missing keys, count as empty text.
ParseResult parse(const QByteArray &json, QList<Model> *models);

// Four upper-case hex digits, as discovery compares product IDs.
QString productIdText(unsigned short productId);

// The four characters after `marker` ("VID_", "PID_") in a device path or
// interface name; without the marker, those from position 3, as the IDs of
// a name are cut everywhere in the program.
QString idAfter(const QString &name, const QString &marker);

// The catalogue text from the source `networkMode` selects: 1 the fetched
// plain copy kvm.temp in the temporary folder; anything else the encrypted
// dev.<word> among the shipped data files (DataFiles.h), or the plain
// <Word>.json found the same way when that cannot be decrypted. Empty when nothing could be read.
QString loadText(int networkMode);

// Vendor and product ID texts joined by "-" for every model a catalogue
// ever listed, shared by the whole process; only ever added to.
QMap<QString, QVariant> &supportedIds();
void addSupportedIds(const QList<Model> &models);

} // namespace DeviceCatalogue
