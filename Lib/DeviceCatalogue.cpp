#include "DeviceCatalogue.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

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

} // namespace DeviceCatalogue
