#pragma once

#include <QObject>
#include <QString>

// Settings backups and the device catalogue turn plain files into encrypted
// containers and back through this service. The plain text travels through
// kvm.temp in the application-data directory: the caller writes it there
// before encrypting and reads it there after decrypting.
class fileEncrypt : public QObject
{
    Q_OBJECT

public:
    explicit fileEncrypt(QObject *parent = nullptr);

    // Encrypts kvm.temp to distFilePath (a local path with forward slashes),
    // replacing a file there only once the new one is complete. Both working
    // files are gone afterwards, unless the folder of distFilePath is missing.
    Q_INVOKABLE bool encrypt_file(const QString &distFilePath);
    // Decrypts the container at distFilePath into kvm.temp; false (and no
    // kvm.temp) when it cannot be read or is damaged.
    Q_INVOKABLE bool decrypt_file(const QString &distFilePath);
    Q_INVOKABLE void delete_tempfile();
    // "file:///" URL of the backup folder in the user's documents, created
    // when missing; ends with a slash.
    Q_INVOKABLE QString get_userdocument_path();
    // "file:///" URL of kvm.temp; its folder is created when missing.
    Q_INVOKABLE QString get_userappdata_path();
};
