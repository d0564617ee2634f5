#include "AppDataPath.h"

#include <QDir>
#include <QStandardPaths>

QString appDataPath()
{
    return QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
}

QString ensureAppDataPath()
{
    const QString path = appDataPath();
    QDir().mkpath(path);
    return path;
}
