#pragma once

// The catalogue files beside the test executable, as the program finds them
// beside its own: the encrypted dev.vemo and the plain Vemo.json.

#include "TestFixture.h"
#include "fileEncrypt.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QUrl>

namespace CatalogueFiles {
inline QString encryptedPath() { return QCoreApplication::applicationDirPath() + QStringLiteral("/dev.vemo"); }
inline QString plainPath() { return QCoreApplication::applicationDirPath() + QStringLiteral("/Vemo.json"); }
inline bool placePlain(const QByteArray &json) { return fixture::writeAll(plainPath(), json); }
inline bool placeEncrypted(const QByteArray &json)
{
    fileEncrypt encryption;
    return fixture::writeAll(QUrl(encryption.get_userappdata_path()).toLocalFile(), json) && encryption.encrypt_file(encryptedPath());
}
inline void removeAll() { QFile::remove(encryptedPath()), QFile::remove(plainPath()); }
// One model per (pid, modelname) pair, vendor 1209.
inline QByteArray catalogue(const QList<QPair<QString, QString>> &models)
{
    QJsonArray list;
    for (const auto &model : models)
        list.append(QJsonObject{{"vid", "1209"}, {"pid", model.first}, {"modelname", model.second},
                                {"official_ver", "V1.0.1"}, {"desc", model.second + " switch"}});
    return QJsonDocument(QJsonObject{{"devlist", list}}).toJson();
}
} // namespace CatalogueFiles
