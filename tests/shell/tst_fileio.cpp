// The file and INI service: config.ini as QSettings reads it, and config.ini
// and a text file staying whole on a full disk and under kill -9.

#include "TestFixture.h"
#include "IniText.h"
#include "StressPayload.h"
#include "fileio.h"

#include <QDir>
#include <QFile>
#include <QRandomGenerator>
#include <QScopeGuard>
#include <QSettings>
#include <QThread>
#include <QTemporaryDir>
#include <QtTest>

#include <signal.h>
#include <sys/resource.h>

namespace {

using fixture::readAll;
using fixture::writeAll;

QString text(fileIo &io, const char *group, const char *key)
{
    return io.loadIni(QLatin1String(group), QString()).value(QLatin1String(key)).toString();
}

QStringList leftoversOf(const QString &configPath)
{
    const QFileInfo config(configPath);
    return config.dir().entryList({config.fileName() + QStringLiteral(".*")}, QDir::Files | QDir::Hidden);
}

bool waitUntilStopped(pid_t pid)
{
    for (int i = 0; i < 500; ++i, QThread::usleep(200)) {
        const QByteArray stat = readAll(QStringLiteral("/proc/%1/stat").arg(pid));
        if (stat.mid(stat.lastIndexOf(')') + 2, 1) == "T")
            return true;
    }
    return false;
}

// Whether the stopped process `pid` has the new config.ini open: unnamed in
// the application-data folder, or named beside config.ini where the file
// system offers no unnamed files. (A writer in place is never caught.)
bool isWritingConfig(pid_t pid, const QString &configPath)
{
    const QDir fds(QStringLiteral("/proc/%1/fd").arg(pid));
    for (const QString &fd : fds.entryList(QDir::AllEntries | QDir::System | QDir::NoDotAndDotDot)) {
        const QString path = QFile::symLinkTarget(fds.filePath(fd));
        if (path.startsWith(QFileInfo(configPath).path() + QStringLiteral("/#")) || path.startsWith(configPath + QLatin1Char('.')))
            return true;
    }
    return false;
}

} // namespace

class FileIoTest : public QObject
{
    Q_OBJECT

private:
    QString m_config;

private slots:
    void initTestCase()
    {
        fixture::nameAsTheProgram();
        m_config = fixture::appData() + QStringLiteral("/config.ini");
        QCOMPARE(fileIo::configPath(), m_config);
    }

    void configIniFromTheFirstRunOn()
    {
        fileIo io;
        QCOMPARE(io.loadIni(QStringLiteral("System"), QString()), QVariantMap());
        io.setIni(QStringLiteral("System"), QStringLiteral("language"), QStringLiteral("3"));
        io.setIni(QStringLiteral("System"), QStringLiteral("autorun"), QStringLiteral("1"));
        const QVariantMap system{{QStringLiteral("language"), QStringLiteral("3")}, {QStringLiteral("autorun"), QStringLiteral("1")}};
        // The key argument is ignored: the whole group comes back.
        QCOMPARE(io.loadIni(QStringLiteral("System"), QStringLiteral("no such key")), system);
        QTest::ignoreMessage(QtDebugMsg, "No INI key given.");
        io.setIni(QStringLiteral("System"), QString(), QStringLiteral("x"));
        QCOMPARE(io.loadIni(QStringLiteral("System"), QString()), system);

        // QSettings re-reads a file only when its size or time changed: every
        // same-size rewrite has to be seen, also when the old file's time
        // lies ahead (another tick, a clock set back).
        for (int i = 0; i < 50; ++i) {
            io.setIni(QStringLiteral("System"), QStringLiteral("language"), QString::number(i % 10));
            QCOMPARE(text(io, "System", "language"), QString::number(i % 10));
        }
        const QDateTime ahead = QDateTime::currentDateTime().addSecs(3600);
        {
            QFile config(m_config);
            QVERIFY(config.open(QIODevice::ReadWrite) && config.setFileTime(ahead, QFileDevice::FileModificationTime));
        }
        io.setIni(QStringLiteral("System"), QStringLiteral("language"), QStringLiteral("2"));
        QVERIFY(QFileInfo(m_config).lastModified() > ahead);
        QCOMPARE(text(io, "System", "language"), QStringLiteral("2"));

        // A file written by hand keeps what it holds; a list comes back as
        // the text it was (any other file: fuzz_initext).
        QVERIFY(writeAll(m_config, "; written by hand\r\n[System]\r\nlanguage = 2 ; two\r\nlist=a, b\r\nquoted=\"x;y\"\r\n"));
        io.setIni(QStringLiteral("System"), QStringLiteral("autorun"), QStringLiteral("0"));
        QCOMPARE(io.loadIni(QStringLiteral("System"), QString()),
                 (QVariantMap{{"language", "2"}, {"list", "a, b"}, {"quoted", "x;y"}, {"autorun", "0"}}));
    }

    void iniTextReadsBackUnchanged()
    {
        // Escapes a value or key may need, written one after the other as the
        // program writes them (fuzz_initext varies the file, not the value).
        const QStringList tricky = {
            QString(), " lead", "trail ", "a,b", "a;b", "k=v", "\"quoted\"", "back\\slash", "@ByteArray(x)", "line\nbreak",
            QString(QChar(0)) + "12", "\x01" "a", "tab\tbeef", QString::fromUtf8("\xF0\x9F\x98\x80"), QString(QChar(0xD83D)) + "beef"};
        QVariantMap settings{{"top level", "t"}, {"general/lower", "g"}, {QString::fromUtf8("\xE7\xBE\xA4 %/key with space"), "k"},
                             {"Deep/a/b", "d"}};
        for (int i = 0; i < tricky.size(); ++i)
            settings.insert(QStringLiteral("Group/value%1").arg(i), tricky.at(i));
        QByteArray document;
        for (auto it = settings.cbegin(); it != settings.cend(); ++it)
            document = iniWithValue(document, it.key(), it.value().toString());
        const QString path = QDir::temp().filePath(QStringLiteral("readback.ini"));
        QVERIFY(writeAll(path, document));
        // Read back as QSettings stores the keys, not normalized.
        QSettings back(path, QSettings::IniFormat);
        back.setIniCodec("UTF8");
        QVariantMap all;
        for (const QString &key : back.allKeys())
            all.insert(key, back.value(key));
        QCOMPARE(all, settings);
    }

    void aFullDiskLeavesTheOldFilesWhole()
    {
        fileIo io;
        QFile::remove(m_config); // the new key must make the file grow
        io.setIni(QStringLiteral("System"), QStringLiteral("language"), QStringLiteral("3"));
        const QByteArray before = readAll(m_config);
        QTemporaryDir dir;
        const QString notePath = dir.filePath(QStringLiteral("note.txt"));
        QVERIFY(writeAll(notePath, "old note"));
        io.setSource(QUrl::fromLocalFile(notePath));
        {
            // Room for a few bytes more than the file holds, as on a full
            // disk (writes past it fail instead of raising SIGXFSZ): the small
            // change fails only when it is flushed, the large ones at once.
            signal(SIGXFSZ, SIG_IGN);
            rlimit saved {};
            getrlimit(RLIMIT_FSIZE, &saved);
            const rlimit limited {static_cast<rlim_t>(before.size() + 8), saved.rlim_max};
            QVERIFY(setrlimit(RLIMIT_FSIZE, &limited) == 0);
            const auto restore = qScopeGuard([&saved] { setrlimit(RLIMIT_FSIZE, &saved); });
            // The caller learns that the change is not kept.
            QTest::ignoreMessage(QtDebugMsg, "Unable to write config.ini.");
            QVERIFY(!io.setIni(QStringLiteral("System"), QStringLiteral("autorun"), QStringLiteral("1")));
            QTest::ignoreMessage(QtDebugMsg, "Unable to write config.ini.");
            QVERIFY(!io.setIni(QStringLiteral("Big"), QStringLiteral("payload"), QString(256 * 1024, QLatin1Char('x'))));
            QVERIFY(io.setIni(QStringLiteral("System"), QStringLiteral("language"), QStringLiteral("3"))); // unchanged: kept
            io.setText(QString(64 * 1024, QLatin1Char('y')));
            io.write();
        }
        QCOMPARE(readAll(m_config), before);
        QCOMPARE(leftoversOf(m_config), QStringList());
        QCOMPARE(readAll(notePath), QByteArray("old note"));
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList {QStringLiteral("note.txt")});
    }

    void aWriterKilledMidWriteLeavesAWholeFile()
    {
        fileIo io;
        io.setIni(QStringLiteral("System"), QStringLiteral("language"), QStringLiteral("5"));
        QRandomGenerator random(7);
        quint64 lastWritten = 0; // the newest write known to be complete
        for (int round = 0; round < 25; ++round) {
            QProcess writer;
            writer.start(QStringLiteral(CONFIG_WRITER), {QString::number(lastWritten + 1)});
            QVERIFY(writer.waitForReadyRead(20000));
            const auto pid = static_cast<pid_t>(writer.processId());
            bool caught = false;
            for (int attempt = 0; attempt < 500 && !caught; ++attempt) {
                QThread::usleep(random.bounded(3000));
                ::kill(pid, SIGSTOP);
                QVERIFY(waitUntilStopped(pid));
                caught = isWritingConfig(pid, m_config);
                ::kill(pid, caught ? SIGKILL : SIGCONT);
            }
            QVERIFY2(caught, "the writer was never caught writing");
            QVERIFY(writer.waitForFinished(5000));
            const QStringList done = QString::fromLatin1(writer.readAllStandardOutput()).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
            QVERIFY(!done.isEmpty());

            // The kill came while the next value was being written, so the
            // file must hold the last confirmed one, whole.
            const QString payload = text(io, "Stress", "payload");
            lastWritten = payload.section(QLatin1Char(':'), 1, 1).toULongLong();
            QVERIFY2(lastWritten == done.last().toULongLong(),
                     qPrintable(QStringLiteral("round %1: file holds %2, writer confirmed %3").arg(round).arg(lastWritten).arg(done.last())));
            QVERIFY2(payload == stressPayload(lastWritten), qPrintable(QStringLiteral("round %1: value %2 is cut").arg(round).arg(lastWritten)));
            QCOMPARE(text(io, "System", "language"), QStringLiteral("5"));
        }
    }
};

QTEST_GUILESS_MAIN(FileIoTest)
#include "tst_fileio.moc"
