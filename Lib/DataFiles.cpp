#include "DataFiles.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

QStringList dataFolders(const QString &executableDir)
{
    return {executableDir, QDir::cleanPath(executableDir + QStringLiteral("/../share/vemo-portview"))};
}

QString resolveDataFile(const QStringList &folders, const QString &relativePath,
                        const std::function<bool(const QString &)> &exists)
{
    QString first;
    for (const QString &folder : folders) {
        const QString candidate = folder + QLatin1Char('/') + relativePath;
        if (exists(candidate))
            return candidate;
        if (first.isEmpty())
            first = candidate;
    }
    return first;
}

QString dataFilePath(const QString &relativePath)
{
    return resolveDataFile(dataFolders(QCoreApplication::applicationDirPath()), relativePath,
                           [](const QString &path) { return QFileInfo::exists(path); });
}
