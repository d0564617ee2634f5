#pragma once

#include <QByteArray>
#include <QList>
#include <QPair>
#include <QString>

// The catalogue files the program looks for beside its executable, placed
// beside the running test instead: dev.vemo (encrypted) and Vemo.json.
namespace CatalogueFiles {

QString encryptedPath();
QString plainPath();

// Encrypts `json` into dev.vemo through the file encryption service.
bool placeEncrypted(const QByteArray &json);
bool placePlain(const QByteArray &json);
void removeAll();

// A catalogue text with one model per (pid, modelname) pair, vendor 1209.
QByteArray catalogue(const QList<QPair<QString, QString>> &models);

} // namespace CatalogueFiles
