#include "fileio.h"

#include "IniText.h"
#include "AppDataPath.h"
#include "FileUrl.h"
#include "Platform/readablefile.h"

#include <QDateTime>
#include <QDebug>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QSaveFile>
#include <QSettings>
#include <QStandardPaths>
#include <QTextCodec>
#include <QTextStream>

namespace {

void createParentDirectory(const QString &filePath)
{
    const QDir parent = QFileInfo(filePath).absoluteDir();
    if (!parent.exists())
        QDir().mkpath(parent.absolutePath());
}

// The local path of `source`, whose folder read() and write() create first.
QString localPathInFolder(const QUrl &source)
{
    const QString path = source.toLocalFile();
    createParentDirectory(path);
    return path;
}

enum class WriteMode { WholeOnly, InPlaceWhereNeeded };

// Puts exactly `bytes` into the file at `path`: a temporary file beside it
// replaces it only once every byte has been written, so a crash or a full
// disk leaves the old file. QSaveFile alone would commit a file whose
// buffered tail never reached the disk, hence the checked write and flush.
bool writeWholeFile(const QString &path, const QByteArray &bytes, WriteMode mode)
{
    const QDateTime previous = QFileInfo(path).lastModified();
    QSaveFile file(path);
    file.setDirectWriteFallback(mode == WriteMode::InPlaceWhereNeeded);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    if (file.write(bytes) != bytes.size() || !file.flush())
        return false; // the unfinished temporary file is removed with `file`
    // QSettings takes a file of unchanged size and modification time (in
    // ms) for unchanged and keeps what it read before; a rewrite within one
    // clock tick must still look newer.
    QDateTime stamp = QDateTime::currentDateTime();
    if (previous.isValid() && stamp <= previous)
        stamp = previous.addMSecs(1);
    file.setFileTime(stamp, QFileDevice::FileModificationTime);
    return file.commit();
}

} // namespace

fileIo::fileIo(QObject *parent)
    : QObject(parent)
{
}

void fileIo::setSource(QUrl source)
{
    if (m_source == source)
        return;
    m_source = source;
    emit sourceChanged(m_source);
}

void fileIo::setText(QString text)
{
    if (m_text == text)
        return;
    m_text = text;
    emit textChanged(m_text);
}

void fileIo::read()
{
    if (m_source.isEmpty())
        return;
    const QString path = localPathInFolder(m_source);
    QFile file(path);
    if (!file.exists()) {
        qWarning().noquote() << QStringLiteral("Does not exits: ") + path;
        return;
    }
    if (!readable::isRegularWithinLimit(path) || !file.open(QIODevice::ReadOnly))
        return;
    QTextStream stream(&file);
    m_text = stream.readAll();
    emit textChanged(m_text);
}

// Written whole or not at all, so a crash or a full disk never leaves half
// a file; only a file in a folder where no new file may be created is
// written in place.
void fileIo::write()
{
    if (m_source.isEmpty())
        return;
    const QString path = localPathInFolder(m_source);
    writeWholeFile(path, QTextCodec::codecForLocale()->fromUnicode(m_text), WriteMode::InPlaceWhereNeeded);
}

QString fileIo::gettempfilepath(QString filename)
{
    const QString tempDir = QStandardPaths::writableLocation(QStandardPaths::TempLocation);
    const QString path = tempDir + QLatin1Char('/') + filename;
    createParentDirectory(path);
    return fileUrlText(path);
}

bool fileIo::copyFile(QString srcPath)
{
    const QString dataDir = ensureAppDataPath();
    const QString source = dataDir + QLatin1Char('/') + srcPath;
    const QString destination = dataDir + QStringLiteral("/upgrade.exe");
    qDebug().noquote() << QStringLiteral("srcPath=") + source;
    qDebug().noquote() << QStringLiteral("dst_Path=") + destination;
    // Copying the tool onto itself would delete it first.
    if (QFileInfo(source).canonicalFilePath() == QFileInfo(destination).canonicalFilePath()
        && QFileInfo::exists(destination))
        return true;
    if (QFile::exists(destination))
        QFile::remove(destination);
    if (QFile::copy(source, destination))
        return true;
    qDebug() << "Copy upgrade tool failed";
    return false;
}

QString fileIo::configPath()
{
    return ensureAppDataPath() + QStringLiteral("/config.ini");
}

void fileIo::removeStaleTemporaries()
{
    // The six-character suffix is the one the save file's temporary name takes.
    static const QRegularExpression temporary(QStringLiteral("^config\\.ini\\.[A-Za-z0-9]{6}$"));
    QDir folder(appDataPath());
    for (const QFileInfo &entry : folder.entryInfoList(QDir::Files | QDir::Hidden | QDir::System)) {
        if (temporary.match(entry.fileName()).hasMatch() && !entry.isSymLink()) {
            qDebug().noquote() << QStringLiteral("Removing a stale temporary file: ") + entry.fileName();
            QFile::remove(entry.filePath());
        }
    }
}

QVariantMap fileIo::loadIni(QString groupName, QString titleName)
{
    Q_UNUSED(titleName) // the whole group is always returned
    const QString path = configPath();
    if (!readable::isMissingOrRegular(path))
        return {};
    QSettings settings(path, QSettings::IniFormat);
    settings.setIniCodec("UTF8");
    settings.beginGroup(groupName);
    QVariantMap values;
    for (const QString &key : settings.childKeys())
        values.insert(key, iniValueText(settings.value(key)));
    return values;
}

// config.ini is rewritten whole through a temporary file, never in place,
// and only the one value changes: every other byte, values the program does
// not understand included, is written back as it was read.
bool fileIo::setIni(QString groupName, QString titleName, QString value)
{
    const QString key = iniSettingsKey(groupName, titleName);
    if (key.isEmpty()) {
        qDebug() << "No INI key given.";
        return false;
    }
    const QString path = configPath();
    QFile file(path);
    if (!readable::isMissingOrRegular(path) || (file.exists() && !file.open(QIODevice::ReadOnly))) {
        qDebug() << "Unable to write config.ini.";
        return false;
    }
    const QByteArray before = file.isOpen() ? file.readAll() : QByteArray();
    file.close();
    const QByteArray after = iniWithValue(before, key, value);
    if (after != before && !writeWholeFile(path, after, WriteMode::WholeOnly)) {
        qDebug() << "Unable to write config.ini.";
        return false;
    }
    return true;
}
