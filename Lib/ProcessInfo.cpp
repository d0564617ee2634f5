#include "ProcessInfo.h"

#include "Brand.h"
#include "Platform/fileversion.h"
#include "Platform/processes.h"
#include "appDataPath.h"

#include <QCoreApplication>
#include <QDebug>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>

#include <string>
#include <vector>

namespace {

// tasklist takes a few seconds on a busy machine; past this it is given up.
constexpr int kProcessListTimeoutMs = 30000;

const char *const kVersionKeys[] = {"CompanyName",  "FileDescription",  "FileVersion",    "InternalName",
                                    "ProductName",  "ProductVersion",   "OriginalFilename", "LegalCopyright"};

#ifdef Q_OS_WIN
const QString kAutorunFileName = QStringLiteral(PORTVIEW_BRAND_WORD " Portview.lnk");
#else
const QString kAutorunFileName = QStringLiteral(PORTVIEW_BRAND_WORD " Portview.desktop");
#endif

QString tempDir()
{
    return QStandardPaths::writableLocation(QStandardPaths::TempLocation);
}

std::filesystem::path nativePath(const QString &fileName)
{
#ifdef Q_OS_WIN
    return std::filesystem::path(fileName.toStdWString());
#else
    return std::filesystem::path(QFile::encodeName(fileName).toStdString());
#endif
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

bool ProcessInfo::openProcess(QString path)
{
    const QString directory = tempDir();
    const QString fullPath = directory + QLatin1Char('/') + path;
    if (!QFileInfo(fullPath).isFile()) {
        qWarning().nospace() << "Does not exits: " << fullPath;
        return false;
    }
    QProcess process;
    process.setProgram(QDir::toNativeSeparators(QDir::cleanPath(fullPath)));
    process.setWorkingDirectory(directory);
    process.setStandardOutputFile(QProcess::nullDevice());
    process.setStandardErrorFile(QProcess::nullDevice());
    return process.startDetached();
}

QString ProcessInfo::autorunMasterPath()
{
    const QString own = appDataPath() + QLatin1Char('/') + kAutorunFileName;
#ifndef Q_OS_WIN
    // The installation cannot write into each user's folder: it leaves the
    // master in the shared data folders (found through XDG_DATA_DIRS) or, for
    // any other prefix, in share/ beside bin/. A user's own copy wins.
    if (QFileInfo::exists(own))
        return own;
    const QString shared = QStandardPaths::locate(QStandardPaths::AppDataLocation, kAutorunFileName);
    if (!shared.isEmpty())
        return shared;
    const QString besideExecutable = QCoreApplication::applicationDirPath() + QStringLiteral("/../share/")
                                     + QCoreApplication::organizationName() + QLatin1Char('/')
                                     + QCoreApplication::applicationName() + QLatin1Char('/') + kAutorunFileName;
    if (QFileInfo::exists(besideExecutable))
        return QDir::cleanPath(besideExecutable);
#endif
    return own;
}

QString ProcessInfo::autorunActivePath()
{
#ifdef Q_OS_WIN
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::ApplicationsLocation)
                           + QStringLiteral("/Startup");
#else
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation)
                           + QStringLiteral("/autostart");
#endif
    return folder + QLatin1Char('/') + kAutorunFileName;
}

bool ProcessInfo::setAPAutorun(int flag)
{
    const QString active = autorunActivePath();
    if (flag == 1) {
        // A fresh account may not have the folder yet.
        QDir().mkpath(QFileInfo(active).absolutePath());
        return QFile::copy(autorunMasterPath(), active);
    }
    if (!QFileInfo::exists(active))
        return true;
    return QFile::remove(active);
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
