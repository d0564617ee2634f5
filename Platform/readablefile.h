#pragma once

#include <QDebug>
#include <QFileInfo>
#include <QString>

// A name the program reads may stand for anything the file system holds: a
// named pipe blocks the reader for ever, and a device or a huge file eats the
// memory. Configuration, catalogues and backups are therefore read only from
// regular files, catalogues and backups only of a size no real one reaches.
// Header-only and portable, so that the container library shares it.
namespace readable {

// Far above any catalogue or backup the program writes.
constexpr qint64 kMaxBytes = 16 * 1024 * 1024;

// True when `path` is a regular file (a link to one counts); otherwise logs
// that it is not read.
inline bool isRegular(const QString &path)
{
    if (QFileInfo(path).isFile())
        return true;
    qDebug().noquote() << QStringLiteral("Not a regular file: ") + path;
    return false;
}

// The same, and of at most kMaxBytes: for catalogues and backups.
inline bool isRegularWithinLimit(const QString &path)
{
    if (!isRegular(path))
        return false;
    if (QFileInfo(path).size() <= kMaxBytes)
        return true;
    qDebug().noquote() << QStringLiteral("Too large to read: ") + path;
    return false;
}

// A regular file or nothing, which reads as empty: for the settings files.
inline bool isMissingOrRegular(const QString &path)
{
    return !QFileInfo::exists(path) || isRegular(path);
}

} // namespace readable
