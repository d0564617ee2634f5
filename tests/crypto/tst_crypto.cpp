// The encryption library, its container file and the services over it: the
// container's exact bytes and key, files built to break the reader, the
// backup service replacing a backup, and the command-line tool.

#include "ContainerFormat.h"
#include "ContentKey.h"
#include "EncryptApi.h"
#include "Lib/LibraryText.h"
#include "TestFixture.h"
#include "fileEncrypt.h"

#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QRandomGenerator>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtEndian>
#include <QtTest>

#include <functional>

#include <sched.h>
#include <sys/mount.h>
#include <sys/wait.h>
#include <unistd.h>

using namespace encryptapi;
using fixture::readAll;
using fixture::writeAll;

namespace {

const unsigned char *bytes(const QByteArray &data) { return reinterpret_cast<const unsigned char *>(data.constData()); }

QByteArray le32(quint32 value)
{
    const quint32 le = qToLittleEndian(value);
    return QByteArray(reinterpret_cast<const char *>(&le), 4);
}

QByteArray record(quint8 type, const QByteArray &value, quint8 flag = 1)
{
    return QByteArray(1, char(type)) + char(value.size() + 1) + value + char(flag);
}

QByteArray location(quint8 type, quint32 offset, quint32 length) { return record(type, le32(offset) + le32(length)); }

// A full header from the given location records plus the version, time,
// type and check records the library writes, zero-filled to 96 bytes.
QByteArray headerWith(const QByteArray &locations, const QByteArray &time = QByteArray(17, '1'))
{
    const QByteArray header = "GVLU" + locations + record(0xA1, QByteArray("\x01\x00\x48\x0a", 4)) + record(0xA2, time)
                              + record(0xA3, QByteArray("\x01\x01\x01\x02\x03\x02\x03\x01\x01\x02\x04", 11));
    return (header + record(0xA4, le32(crcRegister(bytes(header), header.size())), 0)).leftJustified(96, '\0');
}

// Fills a file of `size` bytes; false when the disk takes fewer.
bool fill(const QString &file, int size)
{
    QFile out(file);
    return out.open(QIODevice::WriteOnly) && out.write(QByteArray(size, 'x')) == size && out.flush();
}

// Runs `check` in a child process that sees a 64 KiB file system at
// `folder`, and returns its result; 77 when no file system can be mounted.
int onSmallDisk(const QString &folder, const std::function<int()> &check)
{
    const pid_t child = fork();
    if (child < 0)
        return 77;
    if (child == 0) {
        const uid_t uid = geteuid();
        const gid_t gid = getegid();
        const bool root = uid == 0;
        if (unshare(root ? CLONE_NEWNS : CLONE_NEWUSER | CLONE_NEWNS) != 0)
            _exit(77);
        if (!root) {
            writeAll("/proc/self/setgroups", "deny");
            writeAll("/proc/self/uid_map", QByteArray::number(uid) + ' ' + QByteArray::number(uid) + " 1");
            writeAll("/proc/self/gid_map", QByteArray::number(gid) + ' ' + QByteArray::number(gid) + " 1");
        }
        if (mount("none", "/", nullptr, MS_REC | MS_PRIVATE, nullptr) != 0
            || mount("tmpfs", QFile::encodeName(folder).constData(), "tmpfs", 0, "size=64k") != 0)
            _exit(77);
        _exit(check());
    }
    int status = 0;
    if (waitpid(child, &status, 0) != child || !WIFEXITED(status))
        return -1;
    return WEXITSTATUS(status);
}

} // namespace

class CryptoTest : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_dir;
    QString m_appData;
    fileEncrypt m_service;

    QString path(const QString &name) const { return m_dir.filePath(name); }
    int version(const QString &name) const { return CheckAcpFileVer(libraryText(path(name)).data()); }
    QString workingFile() const { return m_appData + QStringLiteral("/kvm.temp"); }
    QString sealedWorkingFile() const { return m_appData + QStringLiteral("/temp.kvm"); }

    QByteArray encryptBytes(const QByteArray &plain)
    {
        writeAll(path("plain.bin"), plain);
        EncryptByFilePath(libraryText(path("plain.bin")).data(), libraryText(path("sealed.vemo")).data());
        return readAll(path("sealed.vemo"));
    }

    // Decrypts the bytes given as a container (probe.vemo); the destination's
    // bytes, or a null array when none was written.
    int decryptBytes(const QByteArray &container, QByteArray *plain = nullptr)
    {
        writeAll(path("probe.vemo"), container);
        QFile::remove(path("out.bin"));
        const int result = DecryptByFilePath(libraryText(path("probe.vemo")).data(), libraryText(path("out.bin")).data());
        if (plain)
            *plain = QFile::exists(path("out.bin")) ? readAll(path("out.bin")) : QByteArray();
        return result;
    }

private slots:
    void initTestCase()
    {
        QVERIFY(m_dir.isValid());
        fixture::nameAsTheProgram();
        m_appData = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
        QVERIFY(QDir().mkpath(m_appData));
    }

    void containerBytesAndTheContentKey()
    {
        const struct { int plainSize, dataSize; QByteArray digits; } cases[] = {{32, 34, "00"}, {33, 50, "15"}, {0, 0, ""}, {47, 50, "01"}};
        for (const auto &c : cases) {
            const QByteArray container = encryptBytes(QByteArray(c.plainSize, 'p'));
            QCOMPARE(container.size(), 96 + 271 + c.dataSize);
            QCOMPARE(container.right(c.digits.size()), c.digits);
            QByteArray back;
            QCOMPARE(decryptBytes(container, &back), 0);
            QCOMPARE(back, QByteArray(c.plainSize, 'p'));
        }
        // The header, its creation time being the UTC time without leading
        // zeros, zero-filled.
        const QByteArray header = encryptBytes("x").left(96);
        const QByteArray time = header.mid(57, 17), digits = time.left(time.indexOf('\0'));
        QVERIFY2(digits.size() >= 10 && digits.startsWith(QByteArray::number(QDateTime::currentDateTimeUtc().date().year())), digits);
        QCOMPARE(header, headerWith(location(1, 4, 44) + location(2, 48, 48) + location(3, 96, 271) + location(4, 367, 18),
                                    digits.leftJustified(17, '\0')));
        QCOMPARE(creationTimeText(1709622489045LL), std::string("20243578945")); // 2024-03-05 07:08:09.045
        QCOMPARE(creationTimeText(0), std::string("1970110000"));
        QCOMPARE(creationTimeText(1704067199999LL), std::string("20231231235959999"));

        // The published CRC-32 check value, before the final inversion the
        // format leaves out. A key block whose first register has fewer than
        // eight hex digits: the field is zero-filled behind them.
        QCOMPARE(crcRegister(bytes("123456789"), 9), 0x340bc6d9u);
        KeyBlock block{};
        for (int first = 0; crcRegister(block.data(), block.size()) >= 0x10000000u; ++first)
            block[0] = std::uint8_t(first), block[1] = std::uint8_t(first >> 8);
        const ContentKey key = contentKey(block.data());
        QCOMPARE(QByteArray(reinterpret_cast<const char *>(key.data()), 16),
                 QByteArray::number(crcRegister(block.data(), block.size()), 16).toUpper().leftJustified(8, '\0')
                     + QByteArray::number(crcRegister(block.data(), block.size(), 0x56454D4Fu), 16).toUpper().leftJustified(8, '\0'));
        // The data section decrypts with a stock AES-128-ECB under that key.
        const QByteArray plain = "The quick brown fox jumps over the lazy dog";
        const QByteArray container = encryptBytes(plain);
        const ContentKey fileKey = contentKey(bytes(container) + 96);
        writeAll(path("data.bin"), container.mid(367, 48));
        QProcess openssl;
        openssl.start(QStringLiteral("openssl"), {"enc", "-d", "-aes-128-ecb", "-nopad", "-in", path("data.bin"), "-K",
                                                  QByteArray(reinterpret_cast<const char *>(fileKey.data()), 16).toHex()});
        QVERIFY(openssl.waitForFinished());
        QCOMPARE(openssl.readAllStandardOutput(), plain + QByteArray(48 - plain.size(), '\0'));
    }

    void headerModesAndDamagedHeaders()
    {
        const QByteArray plain = "a settings backup of a few dozen bytes..";
        const QByteArray container = encryptBytes(plain);
        for (int at = 4; at < 96; ++at) {
            QByteArray damaged = container;
            damaged[at] = char(damaged[at] ^ 0x21);
            QVERIFY2(decryptBytes(damaged) == 2, qPrintable(QString::number(at)));
        }
        // Version 1.0.72.4 means a 95-byte header that is skipped unchecked;
        // without the magic a file is key block and data.
        QByteArray skipped = container, out;
        skipped.replace(50, 4, QByteArray("\x01\x00\x48\x04", 4)).remove(95, 1).replace(4, 46, QByteArray(46, '?'));
        QCOMPARE(decryptBytes(skipped, &out), 0);
        QCOMPARE(out, plain);
        QCOMPARE(version("probe.vemo"), 3);
        QCOMPARE(decryptBytes(container.mid(96), &out), 0);
        QCOMPARE(out, plain);
        QCOMPARE(version("probe.vemo"), 2);

        auto probe = [&](const QByteArray &start) { return writeAll(path("short"), start) ? version("short") : -1; };
        QCOMPARE(probe("GVLU" + QByteArray(50, '\0')), 1);
        QCOMPARE(probe("GVLU" + QByteArray(51, '\0')), 4);
        QCOMPARE(probe("GVLX" + QByteArray(51, '\0')), 2);
        QCOMPARE(version("missing") + CheckAcpFileVer(nullptr), 2);
    }

    void roundTripsAndPaths()
    {
        QRandomGenerator random(20240305);
        // The megabyte edges of the file's pieces; smaller sizes: the rows
        // above, any other size under AddressSanitizer: fuzz_container.
        for (const int size : {(1 << 20) - 1, 1 << 20, (1 << 20) + 1, 3 * (1 << 20) + 5}) {
            QByteArray plain(size, '\0');
            random.fillRange(reinterpret_cast<quint32 *>(plain.data()), size / 4);
            QByteArray out;
            QCOMPARE(decryptBytes(encryptBytes(plain), &out), 0);
            QVERIFY2(out == plain, qPrintable(QString::number(size)));
        }

        // The working file is the destination's name plus ".tmp": it never
        // overwrites a source of that name; a file encrypted onto itself is replaced whole.
        writeAll(path("notes.vemo.tmp"), "the source");
        EncryptByFilePath(libraryText(path("notes.vemo.tmp")).data(), libraryText(path("notes.vemo")).data());
        QCOMPARE(readAll(path("notes.vemo.tmp")), QByteArray("the source"));
        QVERIFY(!QFile::exists(path("notes.vemo")));
        writeAll(path("self.bin"), "in place");
        EncryptByFilePath(libraryText(path("self.bin")).data(), libraryText(path("self.bin")).data());
        QByteArray back;
        QCOMPARE(decryptBytes(readAll(path("self.bin")), &back), 0);
        QCOMPARE(back, QByteArray("in place"));

        // A path one character too long for the job is refused before any
        // file is touched.
        const QString longName = m_dir.path() + QLatin1Char('/') + QString(255 - m_dir.path().size(), QLatin1Char('n'));
        QCOMPARE(longName.size(), 256);
        MessageCapture log;
        QCOMPARE(DecryptByFilePath(libraryText(path("self.bin")).data(), libraryText(longName).data()), 1);
        QCOMPARE(EncryptByFilePath(libraryText(path("self.bin")).data(), libraryText(longName).data()), 1u);
        QVERIFY(!QFileInfo::exists(longName));
        QVERIFY(log.lines().contains(QStringLiteral("DecryptByFile failed 1")));
        EncryptByFilePath(libraryText(path("self.bin")).data(), libraryText(longName.chopped(1)).data());
        QCOMPARE(CheckAcpFileVer(libraryText(longName.chopped(1)).data()), 4);
    }

    void hostileContainersFailAndLeaveNoDestination()
    {
        const QByteArray good = encryptBytes(QByteArray(40, 'h'));
        const QByteArray keyAndData = location(1, 4, 44) + location(2, 48, 48) + location(3, 96, 271);
        auto withHeader = [&](const QByteArray &locations) { return headerWith(locations) + good.mid(96); };
        QCOMPARE(decryptBytes(withHeader(keyAndData + location(4, 367, 50))), 0); // the fixture itself is sound
        // A header edited by hand passes the check value, so the reader's
        // other rules are what is tested.
        auto edited = [&](int at, const QByteArray &b) {
            QByteArray c = good;
            c.replace(at, b.size(), b);
            return c.replace(91, 4, le32(headerCheckValue(bytes(c))));
        };
        const QList<QPair<const char *, QByteArray>> damaged = {
            {"unknown record type", edited(4, "\x05")},
            {"key block shorter than 271", edited(32, QByteArray("\x0e\x01\0\0", 4))},
            {"key block beyond the end", edited(28, QByteArray("\x00\x10\0\0", 4))},
            {"data beyond the end", edited(43, QByteArray("\x52\0\0\0", 4))},
            {"data not whole blocks", edited(43, QByteArray("\x31\0\0\0", 4))},
            {"data offset beyond the end", edited(39, QByteArray("\xff\xff\xff\xff", 4))},
            {"duplicate key block record", edited(37, "\x03")},
            {"record L out of range", edited(56, "\x13")},
            {"continuation flag not 0 or 1", edited(14, "\x02")},
            {"missing key block record", withHeader(location(1, 4, 44) + location(2, 48, 48) + location(4, 367, 50))},
            {"missing data record", withHeader(keyAndData)},
            {"fifth location record", withHeader(keyAndData + location(4, 367, 50) + location(1, 4, 44))},
            {"check record too short", edited(90, "\x04")},
            {"padding digits 16", good.left(good.size() - 2) + "16"},
            {"padding digits not decimal", good.left(good.size() - 2) + "1x"},
            {"shorter than its header", good.left(60)},
        };
        writeAll(path("out.bin"), "precious");
        MessageCapture log;
        for (const auto &d : damaged) {
            writeAll(path("probe.vemo"), d.second);
            QVERIFY2(DecryptByFilePath(libraryText(path("probe.vemo")).data(), libraryText(path("out.bin")).data()) == 2, d.first);
            QCOMPARE(readAll(path("out.bin")), QByteArray("precious"));
            QVERIFY(!QFile::exists(path("out.bin.tmp")));
        }
        QCOMPARE(log.lines().size(), damaged.size());
        QCOMPARE(log.lines().count(QStringLiteral("DecryptByFile failed 2")), damaged.size());
    }

    void anExistingBackupIsReplacedOnlyByACompleteOne()
    {
        // Nothing to encrypt, and a temp.kvm left over from an earlier run
        // that must not pass for the new container: the backup stays.
        const QByteArray container = encryptBytes("settings");
        QFile::remove(workingFile());
        writeAll(sealedWorkingFile(), container);
        writeAll(path("kept.kvm"), "the previous backup");
        MessageCapture log;
        QVERIFY(!m_service.encrypt_file(path("kept.kvm")));
        QCOMPARE(MessageCapture::take(), QStringList{"encrypt file failed"});
        QCOMPARE(readAll(path("kept.kvm")), QByteArray("the previous backup"));
        QVERIFY(!QFile::exists(sealedWorkingFile()));
        // A destination that cannot be written to (here a folder) stays too.
        QDir().mkpath(path("folder.kvm"));
        writeAll(workingFile(), "new settings");
        QVERIFY(!m_service.encrypt_file(path("folder.kvm")));
        QCOMPARE(MessageCapture::take(), QStringList{"rename failed"});
        QVERIFY(QFileInfo(path("folder.kvm")).isDir() && !QFile::exists(workingFile()) && !QFile::exists(sealedWorkingFile()));

        // A backup onto a full disk fails and keeps the last one whole.
        const QString full = path("full");
        QVERIFY(QDir().mkpath(full));
        switch (onSmallDisk(full, [&] {
            const QByteArray previous = QByteArray("the previous backup ").repeated(40);
            // All but the last page of the disk is taken.
            if (!writeAll(full + "/kept.kvm", previous) || !fill(full + "/filler", 60 * 1024)
                || !writeAll(workingFile(), QByteArray("new settings ").repeated(400)))
                return 3;
            if (m_service.encrypt_file(full + "/kept.kvm"))
                return 1;
            if (readAll(full + "/kept.kvm") != previous || QDir(full).entryList(QDir::Files).size() != 2)
                return 2;
            return 0;
        })) {
        case 0: break;
        case 1: QFAIL("a backup onto a full disk was reported as done");
        case 2: QFAIL("a backup onto a full disk damaged the last one");
        case 77: QSKIP("no small file system can be mounted here");
        default: QFAIL("the full disk could not be set up");
        }
        MessageCapture::take();

        // A damaged container is never reported as decrypted, nor leaves a
        // kvm.temp behind, not even one from before.
        QByteArray damaged = container;
        damaged[20] = char(damaged[20] ^ 1);
        writeAll(path("damaged.kvm"), damaged);
        writeAll(workingFile(), "plain text of an earlier restore");
        QVERIFY(!m_service.decrypt_file(path("damaged.kvm")));
        QCOMPARE(MessageCapture::take(), (QStringList{"DecryptByFile failed 2", "decrypt_file : decrypt file failed"}));
        QVERIFY(!QFile::exists(workingFile()) && !QFile::exists(sealedWorkingFile()));
    }

    void theCatalogueTool()
    {
        // Encrypting and decrypting with it: the build's catalogue and e2e flow_maintenance.
        QProcess tool;
        auto ended = [&](const QStringList &args, const QString &folder) {
            tool.setWorkingDirectory(folder);
            tool.start(QStringLiteral(VEMOCRYPT_EXECUTABLE), args);
            return tool.waitForFinished(30000) && tool.exitStatus() == QProcess::NormalExit;
        };
        encryptBytes("{}");
        QVERIFY(ended({"check", path("sealed.vemo")}, m_dir.path()));
        QCOMPARE(tool.readAllStandardOutput(), QByteArray("4\n"));
        // Failures exit 1 with one line and leave the files alone.
        QTemporaryDir failures;
        writeAll(failures.filePath("Vemo.json"), QByteArray(300, '{'));
        writeAll(failures.filePath("keep.vemo"), "kept");
        const QList<QStringList> failing = {{"encrypt", "missing.json", "keep.vemo"}, {"encrypt", "Vemo.json", "no-such-folder/dev.vemo"},
                                            {"decrypt", "Vemo.json", "keep.vemo"}, {"decrypt", "missing.vemo", "out.json"}, {"check"}};
        for (const QStringList &args : failing) {
            QVERIFY2(ended(args, failures.path()) && tool.exitCode() == 1, qPrintable(args.join(' ')));
            const QByteArray err = tool.readAllStandardError();
            QVERIFY2(err.startsWith("vemocrypt: ") && err.count('\n') == 1, err.constData());
            QCOMPARE(readAll(failures.filePath("keep.vemo")), QByteArray("kept"));
        }
        QCOMPARE(QDir(failures.path()).entryList(QDir::Files, QDir::Name), (QStringList{"Vemo.json", "keep.vemo"}));
    }
};

QTEST_GUILESS_MAIN(CryptoTest)
#include "tst_crypto.moc"
