// The container file: its exact bytes, the header check, the way the
// version selects the header mode, and files built to break the reader.

#include "ContainerFormat.h"
#include "ContentKey.h"
#include "CryptoTestSupport.h"
#include "EncryptApi.h"

#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QtTest>

using namespace encryptapi;

namespace {

quint32 le32(const QByteArray &bytes, int at)
{
    return quint32(quint8(bytes[at])) | quint32(quint8(bytes[at + 1])) << 8 | quint32(quint8(bytes[at + 2])) << 16 |
           quint32(quint8(bytes[at + 3])) << 24;
}

void putLe32(QByteArray &bytes, int at, quint32 value)
{
    for (int i = 0; i < 4; ++i)
        bytes[at + i] = char(value >> (8 * i));
}

// A header edited by hand passes the check value, so the reader's other
// rules are what is tested.
void resealHeader(QByteArray &container)
{
    putLe32(container, 91, headerCheckValue(reinterpret_cast<const std::uint8_t *>(container.constData())));
}

QByteArray record(quint8 type, const QByteArray &value, quint8 flag = 1)
{
    return QByteArray(1, char(type)) + char(value.size() + 1) + value + char(flag);
}

QByteArray location(quint8 type, quint32 offset, quint32 length)
{
    QByteArray value(8, '\0');
    putLe32(value, 0, offset);
    putLe32(value, 4, length);
    return record(type, value);
}

// A full header from the given records plus version, time, type and check
// records, zero-filled to 96 bytes.
QByteArray headerWith(const QByteArray &locations)
{
    QByteArray header = "GVLU" + locations + record(0xA1, QByteArray("\x01\x00\x48\x0a", 4)) +
                        record(0xA2, QByteArray(17, '1')) + record(0xA3, QByteArray(11, '\x01'));
    const int checkAt = header.size();
    header += record(0xA4, QByteArray(4, '\0'), 0);
    putLe32(header, checkAt + 2, crcRegister(reinterpret_cast<const std::uint8_t *>(header.constData()), checkAt));
    return header.leftJustified(96, '\0');
}

} // namespace

class ContainerTest : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_dir;

    QString path(const QString &name) const { return m_dir.filePath(name); }

    QByteArray encryptBytes(const QByteArray &plain, const QString &name = QStringLiteral("plain.bin"))
    {
        writeAll(path(name), plain);
        EncryptByFilePath(libraryText(path(name)).data(), libraryText(path("sealed.vemo")).data());
        return readAll(path("sealed.vemo"));
    }

    // An AES-128 job over two paths, as the application's calls build it.
    static EncryptFileJob fileJob(const QString &source, const QString &destination, uint32_t headerMode)
    {
        static const unsigned char unusedKey[16] = {};
        EncryptFileJob job{};
        const auto from = libraryText(source);
        const auto to = libraryText(destination);
        std::copy(from.begin(), from.end(), job.source);
        std::copy(to.begin(), to.end(), job.destination);
        job.key = unusedKey;
        job.keyBits = 128;
        job.algorithm = ENCRYPT_ALGORITHM_AES;
        job.headerMode = headerMode;
        return job;
    }

    // Decrypts the bytes given as a container; the destination's bytes, or
    // a null array when none was written.
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
    void initTestCase() { QVERIFY(m_dir.isValid()); }

    void containerSizesHeaderAndPaddingDigits()
    {
        const struct {
            int plainSize;
            int dataSize;
            QByteArray digits;
        } cases[] = {{32, 34, "00"}, {33, 50, "15"}, {0, 0, ""}, {1, 18, "15"}, {47, 50, "01"}};
        for (const auto &c : cases) {
            const QByteArray plain = QByteArray(c.plainSize, 'p');
            const QByteArray container = encryptBytes(plain);
            QCOMPARE(container.size(), 96 + 271 + c.dataSize);
            QCOMPARE(container.right(c.digits.size()), c.digits);
            QCOMPARE(le32(container, 37 + 2), 367u);
            QCOMPARE(le32(container, 37 + 6), quint32(c.dataSize));
            QCOMPARE(CheckAcpFileVer(libraryText(path("sealed.vemo")).data()), 4);
            QByteArray back;
            QCOMPARE(decryptBytes(container, &back), 0);
            QCOMPARE(back, plain);
        }

        const QByteArray header = encryptBytes("x").left(96);
        QCOMPARE(header.left(4), QByteArray("GVLU"));
        const quint32 expected[4][2] = {{4, 44}, {48, 48}, {96, 271}, {367, 18}};
        for (int slot = 0; slot < 4; ++slot) {
            const int at = 4 + 11 * slot;
            QCOMPARE(header.mid(at, 2), QByteArray(1, char(slot + 1)) + char(9));
            QCOMPARE(le32(header, at + 2), expected[slot][0]);
            QCOMPARE(le32(header, at + 6), expected[slot][1]);
            QCOMPARE(int(header[at + 10]), 1);
        }
        QCOMPARE(header.mid(48, 7), QByteArray("\xa1\x05\x01\x00\x48\x0a\x01", 7));
        QCOMPARE(header.mid(55, 2), QByteArray("\xa2\x12"));
        const QByteArray time = header.mid(57, 17);
        const QByteArray digits = time.left(time.indexOf('\0'));
        QVERIFY2(digits.size() >= 10 && digits.startsWith(QByteArray::number(QDateTime::currentDateTimeUtc().date().year())),
                 digits.constData());
        QCOMPARE(time.mid(digits.size()), QByteArray(17 - digits.size(), '\0'));
        QCOMPARE(int(header[74]), 1);
        QCOMPARE(header.mid(75, 14), QByteArray("\xa3\x0c\x01\x01\x01\x02\x03\x02\x03\x01\x01\x02\x04\x01", 14));
        QCOMPARE(header.mid(89, 2), QByteArray("\xa4\x05"));
        QCOMPARE(int(header[95]), 0);
    }

    void creationTimeIsTheUtcTimeWithoutLeadingZeros()
    {
        // 2024-03-05 07:08:09.045 UTC
        QCOMPARE(creationTimeText(1709622489045LL), std::string("202435789" "45"));
        QCOMPARE(creationTimeText(0), std::string("197011000" "0"));
        // 2023-12-31 23:59:59.999 UTC
        QCOMPARE(creationTimeText(1704067199999LL), std::string("20231231235959999"));
    }

    void crcAndContentKeyMatchPublishedAesAndCrc()
    {
        // The CRC-32 check value of "123456789" is 0xCBF43926 after the final
        // inversion the format leaves out.
        const QByteArray check = "123456789";
        QCOMPARE(crcRegister(reinterpret_cast<const std::uint8_t *>(check.constData()), check.size()), ~0xCBF43926u);

        // A key block whose first register has fewer than eight hex digits:
        // the field is zero-filled behind them.
        KeyBlock block{};
        for (int first = 0; crcRegister(block.data(), block.size()) >= 0x10000000u; ++first)
            block[0] = std::uint8_t(first), block[1] = std::uint8_t(first >> 8);
        const ContentKey key = contentKey(block.data());
        const QByteArray first = QByteArray::number(crcRegister(block.data(), block.size()), 16).toUpper();
        QCOMPARE(QByteArray(reinterpret_cast<const char *>(key.data()), 8), first.leftJustified(8, '\0'));
        QCOMPARE(QByteArray(reinterpret_cast<const char *>(key.data()) + 8, 8),
                 QByteArray::number(crcRegister(block.data(), block.size(), 0x56454D4Fu), 16).toUpper().leftJustified(8, '\0'));

        // The data section decrypts with a stock AES-128-ECB under that key.
        const QByteArray plain = "The quick brown fox jumps over the lazy dog";
        const QByteArray container = encryptBytes(plain);
        const ContentKey fileKey = contentKey(reinterpret_cast<const std::uint8_t *>(container.constData()) + 96);
        QProcess openssl;
        openssl.start(QStringLiteral("openssl"),
                      {"enc", "-d", "-aes-128-ecb", "-nopad", "-K",
                       QByteArray(reinterpret_cast<const char *>(fileKey.data()), 16).toHex()});
        QVERIFY(openssl.waitForStarted());
        openssl.write(container.mid(367, container.size() - 367 - 2));
        openssl.closeWriteChannel();
        QVERIFY(openssl.waitForFinished());
        QCOMPARE(openssl.readAllStandardOutput(), plain + QByteArray(48 - plain.size(), '\0'));
    }

    void headerBytesChangedFailExceptTheVersionOfSkippedHeaders()
    {
        const QByteArray plain = "a settings backup of a few dozen bytes..";
        const QByteArray container = encryptBytes(plain);
        for (int at = 4; at < 96; ++at) {
            QByteArray damaged = container;
            damaged[at] = char(damaged[at] ^ 0x21);
            QByteArray out;
            QVERIFY2(decryptBytes(damaged, &out) == 2, qPrintable(QString::number(at)));
            QVERIFY(out.isNull());
        }

        // Version 1.0.72.4 means a 95-byte header that is skipped unchecked.
        QByteArray skipped = container;
        skipped.replace(50, 4, QByteArray("\x01\x00\x48\x04", 4));
        writeAll(path("skipped.vemo"), skipped);
        QCOMPARE(CheckAcpFileVer(libraryText(path("skipped.vemo")).data()), 3);
        // A 96-byte header read as 95 shifts the key block and the data by
        // one byte: the text comes out wrong, but nothing tells.
        QByteArray shifted;
        QCOMPARE(decryptBytes(skipped, &shifted), 0);
        QVERIFY(!shifted.contains(plain.left(16)));
        QByteArray genuine = skipped;
        genuine.remove(95, 1);
        genuine.replace(4, 46, QByteArray(46, '?')); // unchecked
        QByteArray out;
        QCOMPARE(decryptBytes(genuine, &out), 0);
        QCOMPARE(out, plain);
    }

    void filesWithoutMagicAreKeyBlockAndData()
    {
        const QByteArray plain = QByteArray("no header at all, only key block and data");
        writeAll(path("plain.bin"), plain);
        EncryptFileJob job = fileJob(path("plain.bin"), path("bare.vemo"), ENCRYPT_HEADER_NONE);
        QCOMPARE(EncryptByFile(&job), 0);
        const QByteArray bare = readAll(path("bare.vemo"));
        QCOMPARE(bare.size(), 271 + 50);
        QCOMPARE(CheckAcpFileVer(libraryText(path("bare.vemo")).data()), 2);
        QByteArray out;
        QCOMPARE(decryptBytes(bare, &out), 0);
        QCOMPARE(out, plain);

        // A full container whose magic is damaged is read the same way: the
        // header becomes part of the key block, and the text is wrong.
        QByteArray noMagic = encryptBytes(plain);
        noMagic[0] = 'X';
        QCOMPARE(decryptBytes(noMagic, &out), 0);
        QCOMPARE(out.size(), 96 + plain.size()); // the data now starts 96 bytes early
        QVERIFY(!out.contains(plain));
    }

    void aDamagedKeyBlockDecryptsToWrongText()
    {
        const QByteArray plain = QByteArray(100, 'k');
        QByteArray container = encryptBytes(plain);
        container[96 + 200] = char(container[96 + 200] ^ 1);
        QByteArray out;
        QCOMPARE(decryptBytes(container, &out), 0);
        QCOMPARE(out.size(), plain.size());
        QVERIFY(out != plain);
    }

    void randomSizesRoundTrip()
    {
        QRandomGenerator random(20240305);
        QList<int> sizes = {15, 16, 17, (1 << 20) - 1, 1 << 20, (1 << 20) + 1, 3 * (1 << 20) + 5};
        for (int i = 0; i < 40; ++i)
            sizes << random.bounded(70000);
        for (const int size : sizes) {
            QByteArray plain(size, '\0');
            random.fillRange(reinterpret_cast<quint32 *>(plain.data()), size / 4);
            QByteArray out;
            QCOMPARE(decryptBytes(encryptBytes(plain), &out), 0);
            QVERIFY2(out == plain, qPrintable(QString::number(size)));
        }
    }

    void otherCiphersThroughFiles()
    {
        const QByteArray plain = "DES, AES-256 and no cipher at all go through the same container";
        writeAll(path("plain.bin"), plain);
        const auto source = libraryText(path("plain.bin"));
        const auto sealed = libraryText(path("other.vemo"));
        const auto out = libraryText(path("other.out"));
        const unsigned char key[32] = {};
        const struct {
            uint32_t bits;
            uint32_t algorithm;
        } ciphers[] = {{56, ENCRYPT_ALGORITHM_DES}, {256, ENCRYPT_ALGORITHM_AES}, {0, ENCRYPT_ALGORITHM_NONE}};
        for (const auto &c : ciphers) {
            QCOMPARE(CSEncryptByFile(source.data(), sealed.data(), key, c.bits, c.algorithm), 1u);
            QCOMPARE(CSDecryptByFile(sealed.data(), out.data(), key, c.bits, c.algorithm), 0);
            QCOMPARE(readAll(path("other.out")), plain);
            QCOMPARE(readAll(path("other.vemo")).mid(367, plain.size()) == plain, c.algorithm == ENCRYPT_ALGORITHM_NONE);
        }
        QFile::remove(path("other.out"));
        QCOMPARE(CSDecryptByFile(sealed.data(), out.data(), key, 100, ENCRYPT_ALGORITHM_AES), 1);
        QCOMPARE(CSDecryptByFile(sealed.data(), out.data(), nullptr, 128, ENCRYPT_ALGORITHM_AES), 1);
        QVERIFY(!QFile::exists(path("other.out")));
    }

    void versionProbe()
    {
        QCOMPARE(CheckAcpFileVer(libraryText(path("missing")).data()), 1);
        QCOMPARE(CheckAcpFileVer(nullptr), 1);
        writeAll(path("short"), "GVLU" + QByteArray(50, '\0'));
        QCOMPARE(CheckAcpFileVer(libraryText(path("short")).data()), 1);
        writeAll(path("short"), "GVLU" + QByteArray(51, '\0'));
        QCOMPARE(CheckAcpFileVer(libraryText(path("short")).data()), 4);
        writeAll(path("short"), "GVLX" + QByteArray(51, '\0'));
        QCOMPARE(CheckAcpFileVer(libraryText(path("short")).data()), 2);
    }

    void hostileContainersFailAndLeaveNoDestination()
    {
        const QByteArray plain = QByteArray(40, 'h');
        const QByteArray good = encryptBytes(plain);
        const QByteArray body = good.mid(96);
        const QByteArray keyAndData = location(1, 4, 44) + location(2, 48, 48) + location(3, 96, 271);
        auto withHeader = [&](const QByteArray &locations) { return headerWith(locations) + body; };
        QCOMPARE(decryptBytes(withHeader(keyAndData + location(4, 367, 50))), 0); // the fixture itself is sound

        auto edited = [&](int at, const QByteArray &bytes) {
            QByteArray c = good;
            c.replace(at, bytes.size(), bytes);
            resealHeader(c);
            return c;
        };
        const QList<QPair<const char *, QByteArray>> damaged = {
            {"unknown record type", edited(4, "\x05")},
            {"type above the annotated ones", edited(48, "\xa5")},
            {"key block length 0", edited(26 + 6, QByteArray(4, '\0'))},
            {"key block shorter than 271", edited(26 + 6, QByteArray("\x0e\x01\0\0", 4))},
            {"key block beyond the end", edited(26 + 2, QByteArray("\x00\x10\0\0", 4))},
            {"data beyond the end", edited(37 + 6, QByteArray("\x52\0\0\0", 4))},
            {"data not whole blocks", edited(37 + 6, QByteArray("\x31\0\0\0", 4))},
            {"data offset beyond the end", edited(37 + 2, QByteArray("\xff\xff\xff\xff", 4))},
            {"duplicate key block record", edited(37, "\x03")},
            {"record L out of range", edited(56, "\x13")},
            {"continuation flag not 0 or 1", edited(14, "\x02")},
            {"missing key block record", withHeader(location(1, 4, 44) + location(2, 48, 48) + location(4, 367, 50))},
            {"missing data record", withHeader(keyAndData)},
            {"fifth location record", withHeader(keyAndData + location(4, 367, 50) + location(1, 4, 44))},
            {"check record too short", edited(90, "\x04")},
            {"truncated", good.left(good.size() - 5)},
            {"padding digits 16", good.left(good.size() - 2) + "16"},
            {"padding digits not decimal", good.left(good.size() - 2) + "1x"},
            {"shorter than its header", good.left(60)},
        };
        writeAll(path("out.bin"), "precious");
        for (const auto &d : damaged) {
            writeAll(path("probe.vemo"), d.second);
            QVERIFY2(DecryptByFilePath(libraryText(path("probe.vemo")).data(), libraryText(path("out.bin")).data()) == 2,
                     d.first);
            QCOMPARE(readAll(path("out.bin")), QByteArray("precious"));
            QVERIFY(!QFile::exists(path("out.bin.tmp")));
        }
    }

    void refusedJobsAndPaths()
    {
        QCOMPARE(EncryptByFile(nullptr), 1);
        QCOMPARE(DecryptByFile(nullptr), 1);
        writeAll(path("plain.bin"), "text");
        EncryptFileJob job = fileJob(path("plain.bin"), QString(), ENCRYPT_HEADER_FULL);
        std::fill(std::begin(job.destination), std::end(job.destination), EncryptChar('a')); // no terminator
        QCOMPARE(EncryptByFile(&job), 1);
        job.destination[0] = 0;
        QCOMPARE(EncryptByFile(&job), 1);
        job.key = nullptr;
        QCOMPARE(DecryptByFile(&job), 1);

        // A path one character too long for the job is refused before any
        // file is touched.
        const QString longName = m_dir.path() + QLatin1Char('/') + QString(255 - m_dir.path().size(), QLatin1Char('n'));
        QCOMPARE(longName.size(), 256);
        LogCapture log;
        QCOMPARE(DecryptByFilePath(libraryText(path("plain.bin")).data(), libraryText(longName).data()), 1);
        QCOMPARE(EncryptByFilePath(libraryText(path("plain.bin")).data(), libraryText(longName).data()), 1u);
        QVERIFY(!QFileInfo::exists(longName));
        QVERIFY(log.lines().contains(QStringLiteral("DecryptByFile failed 1")));
        const QString longest = longName.chopped(1);
        EncryptByFilePath(libraryText(path("plain.bin")).data(), libraryText(longest).data());
        QCOMPARE(CheckAcpFileVer(libraryText(longest).data()), 4);
    }

    void workingFileNeverOverwritesTheSource()
    {
        // The working file is the destination's name plus ".tmp".
        writeAll(path("notes.vemo.tmp"), "the source");
        EncryptByFilePath(libraryText(path("notes.vemo.tmp")).data(), libraryText(path("notes.vemo")).data());
        QCOMPARE(readAll(path("notes.vemo.tmp")), QByteArray("the source"));
        QVERIFY(!QFile::exists(path("notes.vemo")));

        // Encrypting a file onto itself replaces it whole.
        writeAll(path("self.bin"), "in place");
        EncryptByFilePath(libraryText(path("self.bin")).data(), libraryText(path("self.bin")).data());
        QByteArray out;
        QCOMPARE(decryptBytes(readAll(path("self.bin")), &out), 0);
        QCOMPARE(out, QByteArray("in place"));
    }

    void failuresReachTheLog()
    {
        LogCapture log;
        QCOMPARE(decryptBytes("GVLU" + QByteArray(100, '\0')), 2);
        QCOMPARE(log.lines(), QStringList{"DecryptByFile failed 2"});
    }
};

QTEST_GUILESS_MAIN(ContainerTest)
#include "tst_container.moc"
