#include "fileEncrypt.h"

#include "AppDataPath.h"
#include "Brand.h"
#include "FileUrl.h"
#include "LibraryText.h"

#include "EncryptApi.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>
#include <QUrl>

namespace {

const QString kCompany = QLatin1String(kCompanyWord);

QString workingFilePath()
{
    return appDataPath() + QStringLiteral("/" ENCRYPTAPI_PLAIN_WORKING_FILE);
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
    QFile::remove(workingFilePath());
}

QString fileEncrypt::get_userdocument_path()
{
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation) +
                           QLatin1Char('/') + kCompany + QLatin1Char('/') + kCompany +
                           QStringLiteral(" Portview/");
    QDir().mkpath(folder);
    return fileUrlText(folder);
}

QString fileEncrypt::get_userappdata_path()
{
    const QString path = workingFilePath();
    QDir().mkpath(QFileInfo(path).absolutePath());
    return fileUrlText(path);
}
