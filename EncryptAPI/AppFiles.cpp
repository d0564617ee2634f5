// Encrypt_File / Decrypt_File: the hand-off between the program and the
// container through two working files in the application-data directory,
// kvm.temp (plain) and temp.kvm (encrypted).

#include "EncryptApi.h"

#include "ContainerFormat.h"
#include "FileContainer.h"
#include "Platform/readablefile.h"

#include <QDebug>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStandardPaths>

#include <vector>

using namespace encryptapi;

namespace {

// Long enough for any path the system takes.
constexpr int kMaxPathChars = 32767;

QString workingFile(const QString &name)
{
    const QString directory = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
    QDir().mkpath(directory);
    return directory + QLatin1Char('/') + name;
}

QString fromLibrary(const EncryptChar *path)
{
    QString text;
    for (int i = 0; path && path[i] != 0 && i < kMaxPathChars; ++i)
        text += QChar(static_cast<ushort>(path[i]));
    return text;
}

// The library's form of a path: backslashes, zero-terminated UTF-16.
std::vector<EncryptChar> toLibrary(const QString &path)
{
    std::vector<EncryptChar> text;
    for (const QChar c : path)
        text.push_back(static_cast<EncryptChar>(c == QLatin1Char('/') ? u'\\' : c.unicode()));
    text.push_back(0);
    return text;
}

// Puts the whole of source in the place of destination, or leaves the
// destination as it was.
bool replaceWith(const QString &source, const QString &destination)
{
    QFile in(source);
    QSaveFile out(destination);
    if (!in.open(QIODevice::ReadOnly) || !out.open(QIODevice::WriteOnly))
        return false;
    while (!in.atEnd()) {
        const QByteArray piece = in.read(64 * 1024);
        if (piece.isEmpty() || out.write(piece) != piece.size())
            return false;
    }
    return out.commit();
}

} // namespace

extern "C" {

int32_t Encrypt_File(const EncryptChar *distFilePath)
{
    const QString destination = fromLibrary(distFilePath);
    const QString plain = workingFile(QStringLiteral(ENCRYPTAPI_PLAIN_WORKING_FILE));
    const QString sealed = workingFile(QStringLiteral(ENCRYPTAPI_SEALED_WORKING_FILE));
    if (!QFileInfo(destination.left(destination.lastIndexOf(QLatin1Char('/')))).isDir()) {
        qDebug() << "the path is invalid";
        return 0;
    }
    // A temp.kvm left behind by an earlier run must not pass for this one.
    const bool produced = encryptPaths(toLibrary(plain).data(), toLibrary(sealed).data(), kUnusedKey, 128,
                                       ENCRYPT_ALGORITHM_AES) == kOk &&
                          QFile::exists(sealed);
    bool placed = false;
    if (!produced) {
        qDebug() << "encrypt file failed";
    } else {
        placed = replaceWith(sealed, destination);
        if (!placed)
            qDebug() << "rename failed";
    }
    QFile::remove(sealed);
    QFile::remove(plain);
    return placed ? 1 : 0;
}

int32_t Decrypt_File(const EncryptChar *distFilePath)
{
    const QString source = fromLibrary(distFilePath);
    const QString sealed = workingFile(QStringLiteral(ENCRYPTAPI_SEALED_WORKING_FILE));
    // Only a run that ended half-way leaves temp.kvm behind; it must not
    // block every later decryption.
    QFile::remove(sealed);
    // Catalogues and backups are small; a pipe or a huge file is not one.
    if (QFileInfo::exists(source) && !readable::isRegularWithinLimit(source))
        return 0;
    if (!QFile::copy(source, sealed)) {
        qDebug() << " decrypt_file: copy file failed";
        return 0;
    }
    const QString plain = workingFile(QStringLiteral(ENCRYPTAPI_PLAIN_WORKING_FILE));
    const std::int32_t result = decryptPaths(toLibrary(sealed).data(), toLibrary(plain).data(), kUnusedKey, 128,
                                             ENCRYPT_ALGORITHM_AES);
    QFile::remove(sealed);
    // A damaged container must not leave a kvm.temp that passes for its
    // plain text, not even one from before.
    if (result != kOk)
        QFile::remove(plain);
    if (result != kOk || !QFile::exists(plain)) {
        qDebug() << "decrypt_file : decrypt file failed";
        return 0;
    }
    return 1;
}

} // extern "C"
