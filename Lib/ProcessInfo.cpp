#include "ProcessInfo.h"

#include "AppDataPath.h"
#include "Brand.h"
#include "DataFiles.h"
#include "NativePath.h"
#include "Platform/autostart.h"
#include "Platform/fileversion.h"
#include "Platform/processes.h"

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QDateTime>
#include <QDebug>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QSaveFile>
#include <QStandardPaths>

#include <string>
#include <vector>

namespace {

// tasklist takes a few seconds on a busy machine; past this it is given up.
constexpr int kProcessListTimeoutMs = 30000;

const char *const kVersionKeys[] = {"CompanyName",  "FileDescription",  "FileVersion",    "InternalName",
                                    "ProductName",  "ProductVersion",   "OriginalFilename", "LegalCopyright"};

// "<word> Portview" with the extension the system's log-on entries take.
QString autorunFileName()
{
    return QStringLiteral(PORTVIEW_BRAND_WORD " Portview") + QLatin1String(platform::autostartPlace().extension);
}

QString tempDir()
{
    return QStandardPaths::writableLocation(QStandardPaths::TempLocation);
}

QStandardPaths::StandardLocation locationOf(platform::AutostartBase base)
{
    return base == platform::AutostartBase::Applications ? QStandardPaths::ApplicationsLocation
                                                         : QStandardPaths::GenericConfigLocation;
}

// The file that `fullPath` names once ".." and symbolic links are resolved,
// when that is a regular file directly inside `directory`; else empty.
QString programInside(const QString &directory, const QString &fullPath)
{
    const QString folder = QFileInfo(directory).canonicalFilePath();
    const QFileInfo target(QFileInfo(fullPath).canonicalFilePath());
    if (folder.isEmpty() || !target.isFile() || target.absolutePath() != folder)
        return QString();
    return target.filePath();
}

} // namespace

ProcessInfo::ProcessInfo(QObject *parent) : QObject(parent) {}

bool ProcessInfo::getDriverProcess()
{
    std::string listing;
    if (!platform::listProcesses(kProcessListTimeoutMs, listing))
        return false;
    return listing.find("test") != std::string::npos;
}

bool ProcessInfo::endRunningCopies(int timeoutMs)
{
    return platform::endRunningCopies(timeoutMs);
}

void ProcessInfo::useBuildVersion(const QString &buildVersion)
{
    // Where the executable carries a version resource, Qt reads it from there.
    if (!platform::programCarriesVersionResource())
        QCoreApplication::setApplicationVersion(buildVersion);
}

// Only a program that the download put into the temporary folder is ever
// started: a name that leads elsewhere, through "..", a symbolic link or a
// subfolder, starts nothing, whatever lies there.
bool ProcessInfo::openProcess(QString path)
{
    const QString directory = tempDir();
    const QString fullPath = directory + QLatin1Char('/') + path;
    const QString program = programInside(directory, fullPath);
    if (program.isEmpty()) {
        if (QFileInfo::exists(fullPath))
            qWarning().nospace() << "Not a program inside the temporary folder: " << fullPath;
        else
            qWarning().nospace() << "Does not exits: " << fullPath;
        return false;
    }
    // A download arrives without the execute permission that POSIX systems
    // need to start it (Windows starts an .exe as it is).
    QFile::setPermissions(program, QFile::permissions(program) | QFileDevice::ExeOwner | QFileDevice::ExeUser);
    QProcess process;
    process.setProgram(QDir::toNativeSeparators(program));
    process.setWorkingDirectory(directory);
    process.setStandardOutputFile(QProcess::nullDevice());
    process.setStandardErrorFile(QProcess::nullDevice());
    return process.startDetached();
}

bool ProcessInfo::openCheckedProcess(QString path, QString identity)
{
    const QString now = fileIdentity(path);
    if (identity.isEmpty() || now != identity) {
        qWarning().nospace() << "The upgrade tool changed after its check, not started: " << path;
        return false;
    }
    return openProcess(path);
}

QString ProcessInfo::fileIdentity(QString path)
{
    const QString directory = tempDir();
    const QString program = programInside(directory, directory + QLatin1Char('/') + path);
    QFile file(program);
    if (program.isEmpty() || !file.open(QIODevice::ReadOnly))
        return QString();
    QCryptographicHash hash(QCryptographicHash::Sha256);
    if (!hash.addData(&file))
        return QString();
    const QFileInfo info(file);
    return QStringLiteral("%1 %2 %3")
        .arg(info.size())
        .arg(info.lastModified().toMSecsSinceEpoch())
        .arg(QString::fromLatin1(hash.result().toHex()));
}

bool ProcessInfo::removeTemporary(QString path)
{
    const QString directory = tempDir();
    const QString file = programInside(directory, directory + QLatin1Char('/') + path);
    return !file.isEmpty() && QFile::remove(file);
}

QString ProcessInfo::autorunMasterPath()
{
    const QString fileName = autorunFileName();
    const QString own = appDataPath() + QLatin1Char('/') + fileName;
    if (!platform::autostartPlace().sharedMaster)
        return own;
    // The installation cannot write into each user's folder: it leaves the
    // master with the program's other shipped data. A user's own copy wins.
    if (QFileInfo::exists(own))
        return own;
    const QString shipped = dataFilePath(fileName);
    return QFileInfo::exists(shipped) ? shipped : own;
}

QString ProcessInfo::autorunActivePath()
{
    const platform::AutostartPlace place = platform::autostartPlace();
    return QStandardPaths::writableLocation(locationOf(place.base)) + QLatin1Char('/')
           + QLatin1String(place.folder) + QLatin1Char('/') + autorunFileName();
}

bool ProcessInfo::setAPAutorun(int flag)
{
    const QString active = autorunActivePath();
    if (flag != 1) {
        if (!QFileInfo::exists(active))
            return true;
        return QFile::remove(active);
    }
    // Like a file copy, never over an entry that is there already.
    if (QFileInfo::exists(active))
        return false;
    const QByteArray entry = autorunEntry();
    if (entry.isEmpty())
        return false;
    // A fresh account may not have the folder yet; written whole or not at all.
    QDir().mkpath(QFileInfo(active).absolutePath());
    QSaveFile out(active);
    if (!out.open(QIODevice::WriteOnly) || out.write(entry) != entry.size() || !out.commit()) {
        qInfo().nospace() << "Cannot write the log-on entry " << active << ": " << out.errorString();
        return false;
    }
    return true;
}

QByteArray ProcessInfo::autorunEntry()
{
    const QString master = autorunMasterPath();
    QFile file(master);
    if (file.exists()) {
        if (file.open(QIODevice::ReadOnly))
            return file.readAll();
        qInfo().nospace() << "Cannot read the log-on entry " << master << ": " << file.errorString();
        return QByteArray();
    }
    // Run from where it was built: nothing was installed, so the entry
    // names this executable.
    const std::string entry = platform::autostartEntryFor(
        QCoreApplication::applicationFilePath().toStdString(), PORTVIEW_BRAND_WORD);
    if (entry.empty())
        qInfo().nospace() << "No log-on entry for " << QCoreApplication::applicationFilePath();
    return QByteArray::fromStdString(entry);
}

QVariantMap ProcessInfo::getFileInfo(QString fullName)
{
    qDebug() << "dwonload file path" << fullName;
    QVariantMap info;
    for (const char *key : kVersionKeys)
        info.insert(QLatin1String(key), QString());
    // Queried and logged in the map's order.
    const QStringList keys = info.keys();
    std::vector<std::u16string> keyTexts;
    for (const QString &key : keys)
        keyTexts.push_back(key.toStdU16String());

    const platform::FileVersionStrings strings = platform::readFileVersionStrings(nativePath(fullName), keyTexts);
    if (strings.status == platform::FileVersionStrings::Status::NoVersionResource) {
        qDebug() << "get GetFileVersionInfoSize failed!";
        return info;
    }
    if (strings.status == platform::FileVersionStrings::Status::ReadFailed) {
        qDebug() << "get GetFileVersionInfo failed!";
        return info;
    }
    for (int i = 0; i < keys.size(); ++i) {
        const std::optional<std::u16string> &value = strings.values.at(static_cast<size_t>(i));
        if (value) {
            const QString text = QString::fromStdU16String(*value);
            info.insert(keys.at(i), text);
            qDebug() << keys.at(i) << text;
        } else {
            qDebug() << "Get file " + keys.at(i) + " error!";
        }
    }
    return info;
}
