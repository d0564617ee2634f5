#pragma once

#include <QDir>
#include <QString>
#include <QUrl>

// The interface passes local files as "file:///" followed by the path, and
// strips that prefix again where it needs a path. The text is built as a
// real URL, so that a folder named with "#", "?", "%" or a quote stays one
// path and reads back as itself; for a path without such characters it is
// exactly the prefix followed by the path, as before.
inline QString fileUrlText(const QString &path)
{
    QUrl url;
    url.setScheme(QStringLiteral("file"));
    url.setHost(QLatin1String("")); // empty, not null: the authority stays, the path may begin with "//"
    url.setPath(QLatin1Char('/') + path, QUrl::DecodedMode);
    return url.toString();
}

// The local path of such a text, or of any file URL.
inline QString localPathOf(const QString &urlText)
{
    return QDir::cleanPath(QUrl(urlText).toLocalFile());
}
