#include "VersionText.h"

#include <QStringList>

QString versionText(const QString &applicationVersion)
{
    const QStringList parts = applicationVersion.left(applicationVersion.lastIndexOf(QLatin1Char('.')))
                                  .split(QLatin1Char('.'));
    if (!applicationVersion.contains(QLatin1Char('.')) || parts.size() < 3)
        return applicationVersion;
    return QStringLiteral("%1.%2.%3")
        .arg(parts.at(0))
        .arg(parts.at(1).toInt())
        .arg(parts.at(2).toInt(), 3, 10, QLatin1Char('0'));
}
