#pragma once

#include <QObject>
#include <QString>
#include <QVariantMap>

// Facts about the system and starting programs, for the interface: whether
// the driver's process runs, starting the downloaded upgrade tool, starting
// the application at log-on, and the version resource of a file.
class ProcessInfo : public QObject
{
    Q_OBJECT

public:
    explicit ProcessInfo(QObject *parent = nullptr);

public slots:
    bool getDriverProcess();

public:
    Q_INVOKABLE bool openProcess(QString path);
    // The same, only while the file is still the one whose `fileIdentity`
    // was taken: a file replaced or changed since starts nothing.
    Q_INVOKABLE bool openCheckedProcess(QString path, QString identity);
    // What tells a file in the temporary folder from any other: its size,
    // modification time and the SHA-256 of its contents; empty
    // when `path` names no regular file directly inside it.
    Q_INVOKABLE QString fileIdentity(QString path);
    // Deletes a download the program will not start; true when one went.
    Q_INVOKABLE bool removeTemporary(QString path);
    Q_INVOKABLE bool setAPAutorun(int flag);
    Q_INVOKABLE QVariantMap getFileInfo(QString fullName);

    // Where the log-on shortcut is kept and where it is active: the ".lnk"
    // and the Startup folder on Windows, the ".desktop" file and the XDG
    // autostart folder elsewhere.
    static QString autorunMasterPath();
    static QString autorunActivePath();

    // The text of the log-on entry: the master copy, or for a program that
    // was never installed one written for this executable; empty on failure.
    static QByteArray autorunEntry();

    // Ends every running copy of the program ("-exit"); true when that
    // finished within `timeoutMs`. On Windows the calling copy ends with them.
    static bool endRunningCopies(int timeoutMs);
    // Makes `buildVersion` the application version, unless the executable
    // carries a version resource of its own.
    static void useBuildVersion(const QString &buildVersion);
};
