#pragma once

#include <QString>
#include <QStringList>

#include <functional>

// The read-only files the program ships (the device catalogue, the
// translations, the master copy of the log-on entry) lie beside the
// executable in the build tree and on Windows, and in the data folder
// share/vemo-portview beside bin/ in an installed tree. Both places are
// found relative to the executable, so a tree unpacked or installed under
// any prefix works as it is.

// The folders looked in, in order, for an executable in `executableDir`.
QStringList dataFolders(const QString &executableDir);

// The path of `relativePath` in the first of `folders` where `exists` says
// it is; in the first folder when it is nowhere, so that a failed open
// names the primary place.
QString resolveDataFile(const QStringList &folders, const QString &relativePath,
                        const std::function<bool(const QString &)> &exists);

// resolveDataFile for the running program, over the file system.
QString dataFilePath(const QString &relativePath);
