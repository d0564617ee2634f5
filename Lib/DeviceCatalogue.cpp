#include "DeviceCatalogue.h"

#include "Brand.h"
#include "DataFiles.h"
#include "fileEncrypt.h"
#include "fileio.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QUrl>

namespace DeviceCatalogue {
namespace {

const char *const kTextKeys[] = {"modelname", "official_ver", "fullview", "diagram", "ddc", "front", "rear",
                                 "upgrade_name", "upgrade_date", "upgrade_new", "upgrade_fix", "desc"};

QString textOf(const QJsonObject &object, const char *key)
{
    const QJsonValue value = object.value(QLatin1String(key));
    return value.isString() ? value.toString() : QString();
}

int hexValue(const QString &text)
{
    bool ok = false;
    const int value = text.toInt(&ok, 16);
    return ok ? value : 0;
}

} // namespace

ParseResult parse(const QByteArray &json, QList<Model> *models)
{
    models->clear();
    QJsonParseError error;
    const QJsonDocument document = QJsonDocument::fromJson(json, &error);
    if (error.error != QJsonParseError::NoError)
        return ParseResult::SyntaxError;
    if (!document.isObject())
        return ParseResult::NotAnObject;

    const QJsonArray list = document.object().value(QLatin1String("devlist")).toArray();
    for (const QJsonValue &element : list) {
        const QJsonObject object = element.toObject();
        const QString vid = textOf(object, "vid");
        const QString pid = textOf(object, "pid");
        QVariantMap record;
        record.insert(QStringLiteral("vid"), vid);
        record.insert(QStringLiteral("pid"), pid);
        record.insert(QStringLiteral("vid_hex"), hexValue(vid));
        record.insert(QStringLiteral("pid_hex"), hexValue(pid));
        for (const char *key : kTextKeys)
            record.insert(QLatin1String(key), textOf(object, key));
        models->append({pid, vid + QLatin1Char('-') + pid, record});
    }
    return ParseResult::Ok;
}

QString productIdText(unsigned short productId)
{
    return QStringLiteral("%1").arg(productId, 4, 16, QLatin1Char('0')).toUpper();
}

QString idAfter(const QString &name, const QString &marker)
{
    return name.mid(name.indexOf(marker) + marker.size(), 4);
}

// The catalogue uses short-lived file services of its own: the working file
// kvm.temp is gone again before this returns.
QString loadText(int networkMode)
{
    fileIo file;
    if (networkMode == 1) {
        file.setSource(QUrl(file.gettempfilepath(QStringLiteral("kvm.temp"))));
        file.read();
        return file.text();
    }
    fileEncrypt encryption;
    const QString company = QLatin1String(kCompanyWord);
    file.setSource(QUrl(encryption.get_userappdata_path()));
    if (encryption.decrypt_file(dataFilePath(QStringLiteral("dev.") + company.toLower()))) {
        file.read();
        encryption.delete_tempfile();
        return file.text();
    }
    file.setSource(QUrl::fromLocalFile(dataFilePath(company + QStringLiteral(".json"))));
    file.read();
    return file.text();
}

QMap<QString, QVariant> &supportedIds()
{
    static QMap<QString, QVariant> table;
    return table;
}

void addSupportedIds(const QList<Model> &models)
{
    QMap<QString, QVariant> &table = supportedIds();
    for (const Model &model : models)
        table.insert(model.supportKey, model.supportKey);
}

} // namespace DeviceCatalogue
