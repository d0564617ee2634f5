#pragma once

#include <QDebug>
#include <QFileInfo>
#include <QString>

// A name the program reads may stand for anything the file system holds: a
// named pipe blocks the reader for ever, and a device or a huge file eats the
// memory. Configuration, catalogues and backups are therefore read only from
// regular files of a size that no real one reaches. Header-only, so that the
// container library can share it.
namespace readable {

// Far above any catalogue, backup or configuration the program writes.
constexpr qint64 kMaxBytes = 16 * 1024 * 1024;

// True when `path` is a regular file (a link to one counts) of at most
// kMaxBytes; otherwise logs why it is not read.
inline bool isRegularWithinLimit(const QString &path)
{
    const QFileInfo info(path);
    if (!info.isFile()) {
        qDebug().noquote() << QStringLiteral("Not a regular file: ") + path;
        return false;
    }
    if (info.size() > kMaxBytes) {
        qDebug().noquote() << QStringLiteral("Too large to read: ") + path;
        return false;
    }
    return true;
}

// The same for a file that may be missing, which reads as empty.
inline bool isMissingOrRegular(const QString &path)
{
    return !QFileInfo::exists(path) || isRegularWithinLimit(path);
}

} // namespace readable
