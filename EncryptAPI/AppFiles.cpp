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
#include <QTemporaryFile>
#include <QStandardPaths>
#ifdef Q_OS_WIN
#include <io.h>
#else
#include <unistd.h>
#endif

#include <filesystem>
#include <system_error>
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

std::filesystem::path systemPath(const QString &path)
{
#ifdef Q_OS_WIN
    return std::filesystem::path(path.toStdWString());
#else
    return std::filesystem::path(QFile::encodeName(path).toStdString());
#endif
}

// Puts the whole of source in the place of destination, or leaves the
// destination byte for byte as it was. QSaveFile commits a file cut short
// on a full disk in Qt 5.15, so the new file is written beside the old one
// with every write checked, synced to the disk (a full disk may refuse
// blocks only then), read back against the source, and only then given the
// destination's name in one step.
bool replaceWith(const QString &source, const QString &destination)
{
    QFile in(source);
    if (!in.open(QIODevice::ReadOnly))
        return false;
    const QByteArray bytes = in.readAll();
    if (in.error() != QFileDevice::NoError || bytes.size() != in.size())
        return false;
    in.close();

    QTemporaryFile out(destination + QStringLiteral(".XXXXXX")); // removed unless renamed
    if (!out.open())
        return false;
    const QFileInfo old(destination);
    out.setPermissions(old.exists() ? old.permissions()
                                    : QFile::ReadOwner | QFile::WriteOwner | QFile::ReadUser | QFile::WriteUser
                                          | QFile::ReadGroup | QFile::ReadOther);
    if (out.write(bytes) != bytes.size() || !out.flush())
        return false;
#ifdef Q_OS_WIN
    const bool synced = _commit(out.handle()) == 0;
#else
    const bool synced = ::fsync(out.handle()) == 0;
#endif
    if (!synced || out.size() != bytes.size() || !out.seek(0) || out.readAll() != bytes)
        return false;
    out.close();
    std::error_code error;
    std::filesystem::rename(systemPath(out.fileName()), systemPath(destination), error);
    if (error)
        return false;
    out.setAutoRemove(false); // its name is the destination's now
    return true;
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
