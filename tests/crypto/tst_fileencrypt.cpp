// The file encryption service over real files in the isolated
// application-data and documents folders.

#include "TestFixture.h"
#include "CryptoTestSupport.h"
#include "fileEncrypt.h"

#include <QDir>
#include <QMetaMethod>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>

class FileEncryptTest : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_dir;
    QString m_appData;
    fileEncrypt m_service;

    QString plainFile() const { return m_appData + QStringLiteral("/kvm.temp"); }
    QString sealedFile() const { return m_appData + QStringLiteral("/temp.kvm"); }
    QString target(const QString &name) const { return m_dir.filePath(name); }

    bool isContainer(const QString &path) const { return CheckAcpFileVer(libraryText(path).data()) == 4; }

private slots:
    void initTestCase()
    {
        fixture::nameAsTheProgram();
        m_appData = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
        QVERIFY(m_dir.isValid());
    }

    void init()
    {
        QDir().mkpath(m_appData);
        QFile::remove(plainFile());
        QFile::remove(sealedFile());
    }

    void invokablesInTheirOrder()
    {
        const QMetaObject *meta = m_service.metaObject();
        QStringList names;
        for (int i = meta->methodOffset(); i < meta->methodCount(); ++i)
            names << QString::fromLatin1(meta->method(i).name());
        QCOMPARE(names, (QStringList{"encrypt_file", "decrypt_file", "delete_tempfile", "get_userdocument_path",
                                     "get_userappdata_path"}));
    }

    void workingFileAndBackupFolderUrls()
    {
        QDir(m_appData).removeRecursively();
        const QString url = m_service.get_userappdata_path();
        QCOMPARE(url, QStringLiteral("file:///") + plainFile());
        QVERIFY(QFileInfo(m_appData).isDir());
        QVERIFY(!QFile::exists(plainFile()));

        const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
        QVERIFY(!QFileInfo::exists(documents + QStringLiteral("/Vemo")));
        const QString folder = m_service.get_userdocument_path();
        QCOMPARE(folder, QStringLiteral("file:///") + documents + QStringLiteral("/Vemo/Vemo Portview/"));
        QVERIFY(QFileInfo(documents + QStringLiteral("/Vemo/Vemo Portview")).isDir());

        writeAll(plainFile(), "plain");
        m_service.delete_tempfile();
        QVERIFY(!QFile::exists(plainFile()));
    }

    void backupRoundTripIsByteForByte()
    {
        const QByteArray text = "[KVM]\r\nhotkey=Shift + Alt + S\r\nname=K\xc3\xbc\x63he\n" + QByteArray(1000, 'x');
        writeAll(plainFile(), text);
        QVERIFY(m_service.encrypt_file(target("backup.kvm")));
        QVERIFY(isContainer(target("backup.kvm")));
        QVERIFY(!QFile::exists(plainFile()));
        QVERIFY(!QFile::exists(sealedFile()));

        QVERIFY(m_service.decrypt_file(target("backup.kvm")));
        QCOMPARE(readAll(plainFile()), text);
        QVERIFY(!QFile::exists(sealedFile()));
        QVERIFY(isContainer(target("backup.kvm"))); // the backup itself stays
    }

    void encryptingIntoAMissingFolderKeepsTheWorkingFile()
    {
        LogCapture log;
        writeAll(plainFile(), "settings");
        QVERIFY(!m_service.encrypt_file(target("no-such-folder/backup.kvm")));
        QCOMPARE(log.lines(), QStringList{"the path is invalid"});
        QCOMPARE(readAll(plainFile()), QByteArray("settings"));
    }

    void anExistingBackupIsReplacedOnlyByACompleteOne()
    {
        writeAll(target("old.kvm"), "the previous backup");
        writeAll(plainFile(), "new settings");
        QVERIFY(m_service.encrypt_file(target("old.kvm")));
        QVERIFY(isContainer(target("old.kvm")));

        // Nothing to encrypt, and a temp.kvm left over from an earlier run
        // that must not pass for the new container: the backup stays.
        LogCapture log;
        writeAll(target("kept.kvm"), "the previous backup");
        QFile::copy(target("old.kvm"), sealedFile());
        QVERIFY(!m_service.encrypt_file(target("kept.kvm")));
        QCOMPARE(log.lines(), QStringList{"encrypt file failed"});
        QCOMPARE(readAll(target("kept.kvm")), QByteArray("the previous backup"));
        QVERIFY(!QFile::exists(sealedFile()));

        // A destination that cannot be written to (here a folder) stays too.
        log.lines().clear();
        QDir().mkpath(target("folder.kvm"));
        writeAll(plainFile(), "new settings");
        QVERIFY(!m_service.encrypt_file(target("folder.kvm")));
        QCOMPARE(log.lines(), QStringList{"rename failed"});
        QVERIFY(QFileInfo(target("folder.kvm")).isDir());
        QVERIFY(!QFile::exists(plainFile()));
        QVERIFY(!QFile::exists(sealedFile()));
    }

    void decryptingAMissingFileFails()
    {
        LogCapture log;
        QVERIFY(!m_service.decrypt_file(target("missing.kvm")));
        QCOMPARE(log.lines(), QStringList{" decrypt_file: copy file failed"});
    }

    void aDamagedContainerIsNeverReportedAsDecrypted()
    {
        writeAll(plainFile(), "new settings");
        QVERIFY(m_service.encrypt_file(target("good.kvm")));
        QByteArray damaged = readAll(target("good.kvm"));
        damaged[20] = char(damaged[20] ^ 1);
        writeAll(target("damaged.kvm"), damaged);

        LogCapture log;
        writeAll(plainFile(), "plain text of an earlier restore");
        QVERIFY(!m_service.decrypt_file(target("damaged.kvm")));
        QCOMPARE(log.lines(), (QStringList{"DecryptByFile failed 2", "decrypt_file : decrypt file failed"}));
        QVERIFY(!QFile::exists(plainFile()));
        QVERIFY(!QFile::exists(sealedFile()));

        writeAll(target("text.kvm"), "not a container");
        QVERIFY(!m_service.decrypt_file(target("text.kvm")));
        QVERIFY(!QFile::exists(plainFile()));
    }

    void aLeftOverEncryptedWorkingFileDoesNotBlockDecryption()
    {
        writeAll(plainFile(), "catalogue");
        QVERIFY(m_service.encrypt_file(target("dev.vemo")));
        writeAll(sealedFile(), "left behind by a run that ended half-way");
        QVERIFY(m_service.decrypt_file(target("dev.vemo")));
        QCOMPARE(readAll(plainFile()), QByteArray("catalogue"));
    }
};

QTEST_GUILESS_MAIN(FileEncryptTest)
#include "tst_fileencrypt.moc"
