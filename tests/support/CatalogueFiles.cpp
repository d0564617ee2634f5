#include "CatalogueFiles.h"

#include "fileEncrypt.h"

#include <QCoreApplication>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QUrl>

namespace CatalogueFiles {
namespace {

bool writeFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly | QIODevice::Truncate) && file.write(bytes) == bytes.size();
}

} // namespace

QString encryptedPath()
{
    return QCoreApplication::applicationDirPath() + QStringLiteral("/dev.vemo");
}

QString plainPath()
{
    return QCoreApplication::applicationDirPath() + QStringLiteral("/Vemo.json");
}

bool placeEncrypted(const QByteArray &json)
{
    fileEncrypt encryption;
    return writeFile(QUrl(encryption.get_userappdata_path()).toLocalFile(), json)
        && encryption.encrypt_file(encryptedPath());
}

bool placePlain(const QByteArray &json)
{
    return writeFile(plainPath(), json);
}

void removeAll()
{
    QFile::remove(encryptedPath());
    QFile::remove(plainPath());
}

QByteArray catalogue(const QList<QPair<QString, QString>> &models)
{
    QJsonArray list;
    for (const auto &model : models) {
        list.append(QJsonObject{{"vid", "1209"}, {"pid", model.first}, {"modelname", model.second},
                                {"official_ver", "V1.0.1"}, {"desc", model.second + " switch"}});
    }
    return QJsonDocument(QJsonObject{{"devlist", list}}).toJson();
}

} // namespace CatalogueFiles
