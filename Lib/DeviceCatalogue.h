#pragma once

#include <QList>
#include <QString>
#include <QVariantMap>

// The catalogue of supported switch models: a JSON object whose "devlist"
// array holds one object per model. Parsing is kept free of I/O so the
// catalogue's hostile-input behaviour can be tested and fuzzed directly.
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

} // namespace DeviceCatalogue
