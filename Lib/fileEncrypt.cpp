#include "fileEncrypt.h"

#include "AppDataPath.h"
#include "Brand.h"
#include "LibraryText.h"

#include "EncryptApi.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>
#include <QUrl>

namespace {

const QString kFileUrlPrefix = QStringLiteral("file:///");
const QString kCompany = QLatin1String(kCompanyWord);

QString withoutUrlPrefix(const QString &url)
{
    return url.startsWith(kFileUrlPrefix) ? url.mid(kFileUrlPrefix.size()) : url;
}

} // namespace

fileEncrypt::fileEncrypt(QObject *parent) : QObject(parent) {}

bool fileEncrypt::encrypt_file(const QString &distFilePath)
{
    return Encrypt_File(libraryText(distFilePath).data()) != 0;
}

bool fileEncrypt::decrypt_file(const QString &distFilePath)
{
    return Decrypt_File(libraryText(distFilePath).data()) != 0;
}

void fileEncrypt::delete_tempfile()
{
    QFile::remove(withoutUrlPrefix(get_userappdata_path()));
}

QString fileEncrypt::get_userdocument_path()
{
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation) +
                           QLatin1Char('/') + kCompany + QLatin1Char('/') + kCompany +
                           QStringLiteral(" Portview/");
    QDir().mkpath(folder);
    return kFileUrlPrefix + folder;
}

QString fileEncrypt::get_userappdata_path()
{
    const QUrl url(kFileUrlPrefix + appDataPath() +
                       QStringLiteral("/kvm.temp"),
                   QUrl::TolerantMode);
    QDir().mkpath(QFileInfo(url.toLocalFile()).absolutePath());
    return url.toString();
}
