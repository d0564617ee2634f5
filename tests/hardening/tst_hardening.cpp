// The services and the program met as an attacker or an unlucky user meets
// them: other local users' sockets, odd characters in the home folder, named
// pipes in place of files, oversized catalogues and crash leftovers. (Names
// leading out of the temporary folder: tst_processinfo; a file appearing
// during a download: tst_quickdownload.)

#include "CatalogueFiles.h"
#include "DeviceCatalogue.h"
#include "RegistryStore.h"
#include "TestFixture.h"

#include <QDir>
#include <QLocalServer>
#include <QProcess>
#include <QtTest>

#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

const QString kSocketName = QStringLiteral("VemoVemo Portview");

QString root() { return qEnvironmentVariable("PORTVIEW_TEST_ROOT"); }

bool makeFifo(const QString &path)
{
    QFile::remove(path);
    QDir().mkpath(QFileInfo(path).absolutePath());
    return ::mkfifo(QFile::encodeName(path).constData(), 0600) == 0;
}

uid_t nobody() { const passwd *entry = ::getpwnam("nobody"); return entry ? entry->pw_uid : 0; }
bool giveToNobody(const QString &path) { return ::chown(QFile::encodeName(path).constData(), nobody(), nobody()) == 0; }
bool logHas(const QString &text) { return !fixture::programLog().filter(text).isEmpty(); }

// A listener planted by another user: it must never hear from the program.
struct PlantedListener : QLocalServer
{
    bool plant(const QString &path) { return listen(path) && giveToNobody(path); }
    bool heardNothing()
    {
        QCoreApplication::processEvents();
        return !hasPendingConnections() && !waitForNewConnection(0);
    }
};

} // namespace

class HardeningTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        fixture::nameAsTheProgram();
        QVERIFY(!root().isEmpty());
    }

    void oddHomeFoldersFindTheirCatalogue()
    {
        const QByteArray json = CatalogueFiles::catalogue({{QStringLiteral("ABCD"), QStringLiteral("KVM")}});
        const QByteArray dataHome = qgetenv("XDG_DATA_HOME"), temp = qgetenv("TMPDIR");
        // Read back through file URLs: neither a fragment, a query nor an escape.
        for (const char *name : {"a#b", "a?b", "a%41b"}) {
            const QString home = root() + QStringLiteral("/odd/") + QLatin1String(name);
            qputenv("XDG_DATA_HOME", QFile::encodeName(home + QStringLiteral("/data")));
            qputenv("TMPDIR", QFile::encodeName(home + QStringLiteral("/tmp")));
            QVERIFY(QDir().mkpath(home + QStringLiteral("/tmp")));
            QVERIFY(CatalogueFiles::placeEncrypted(json));
            QCOMPARE(DeviceCatalogue::loadText(0).toUtf8(), json);
            QVERIFY2(!QFile::exists(fixture::appData() + QStringLiteral("/kvm.temp")), name);
            QVERIFY(fixture::writeAll(home + QStringLiteral("/tmp/kvm.temp"), json));
            QCOMPARE(DeviceCatalogue::loadText(1).toUtf8(), json);
        }
        qputenv("XDG_DATA_HOME", dataHome);
        qputenv("TMPDIR", temp);
        CatalogueFiles::removeAll();
    }

    // Each is a failure with a log line, never a hang; a catalogue that
    // cannot be decrypted leaves the plain one to be read. (Backups are
    // decrypted as the encrypted catalogue is.)
    void pipesAndOversizedFilesAreRefused()
    {
        const QString fifo = root() + QStringLiteral("/pipe");
        QVERIFY(makeFifo(fifo));
        for (const QStringList &arguments : {QStringList{QStringLiteral("check"), fifo},
                                             {QStringLiteral("decrypt"), fifo, root() + QStringLiteral("/out")}}) {
            QProcess tool;
            tool.start(QStringLiteral(VEMOCRYPT_EXECUTABLE), arguments);
            QVERIFY2(tool.waitForFinished(10000), qPrintable(arguments.first()));
            QCOMPARE(tool.exitCode(), 1);
            QVERIFY(tool.readAllStandardError().contains("is not a regular file"));
        }
        const QByteArray json = CatalogueFiles::catalogue({{QStringLiteral("ABCD"), QStringLiteral("KVM")}});
        const QByteArray pipe = "<pipe>", oversized = QByteArray(17 * 1024 * 1024, ' ') + json;
        const QString encrypted = CatalogueFiles::encryptedPath(), plain = CatalogueFiles::plainPath();
        const struct
        {
            QByteArray encrypted, plain, expected; // files left empty are not there
            QString logged;
        } cases[] = {
            {pipe, json, json, QStringLiteral("Not a regular file: ") + encrypted},
            {oversized, json, json, QStringLiteral("Too large to read: ") + encrypted},
            {{}, pipe, {}, QStringLiteral("Not a regular file: ") + plain},
            {{}, oversized, {}, QStringLiteral("Too large to read: ") + plain},
        };
        for (const auto &c : cases) {
            CatalogueFiles::removeAll();
            for (const auto &[path, content] : {qMakePair(encrypted, c.encrypted), qMakePair(plain, c.plain)})
                QVERIFY(content.isEmpty() || (content == pipe ? makeFifo(path) : fixture::writeAll(path, content)));
            MessageCapture capture;
            QCOMPARE(DeviceCatalogue::loadText(0).toUtf8(), c.expected);
            QVERIFY2(MessageCapture::lines().contains(c.logged), qPrintable(MessageCapture::lines().join('\n')));
        }
        CatalogueFiles::removeAll();
    }

    // XDG_RUNTIME_DIR unusable, Qt's runtime-<user> taken by another user,
    // whose listener waits in the shared temporary folder. config.ini holds
    // values the program does not understand and a crash leftover lies
    // beside it; a second copy hands over and writes nothing.
    void theProgramStartsPrivatelyAndKeepsWhatItDoesNotChange()
    {
        if (::geteuid() != 0)
            QSKIP("Simulating another user needs root: the folder and socket are given to nobody.");
        const QString temp = QDir::tempPath();
        QVERIFY(QDir().mkpath(temp + QStringLiteral("/runtime-root")) && giveToNobody(temp + QStringLiteral("/runtime-root")));
        PlantedListener planted;
        QVERIFY(planted.plant(temp + QLatin1Char('/') + kSocketName));

        const QString config = fixture::appData() + QStringLiteral("/config.ini");
        const QByteArray kept = "[Typed]\nsize=@Size(10 20)\nvariant=@Variant(\\0\\0\\0\\x7f\\0\\0\\0\\x3)\n"
                                "bytes=@ByteArray(abc)\nraw=caf\xe9 \xff\n; a comment\n";
        QVERIFY(QDir().mkpath(fixture::appData()) && fixture::writeAll(config, kept)
                && fixture::writeAll(config + QStringLiteral(".Ab12Cd"), "[System]\nlanguage=3\n"));

        qunsetenv("XDG_RUNTIME_DIR");
        QProcess first;
        QVERIFY(fixture::startProgram(first));
        QTRY_VERIFY_WITH_TIMEOUT(fixture::readAll(config).contains("language="), 20000);
        QTest::qWait(500);
        QVERIFY(planted.heardNothing());
        QCOMPARE(first.state(), QProcess::Running);
        const QByteArray afterStart = fixture::readAll(config);
        QVERIFY2(afterStart.startsWith(kept), afterStart.constData());
        QVERIFY(!QFile::exists(config + QStringLiteral(".Ab12Cd")));
        const QString folder = fixture::appData() + QStringLiteral("/run");
        QCOMPARE(QFileInfo(folder).permissions() & 0x0077, QFile::Permissions());
        QVERIFY(QFileInfo::exists(folder + QLatin1Char('/') + kSocketName));

        // The system's default sound changed: only a running copy records it.
        RegistryStore::setValue(QStringLiteral("HKEY_CURRENT_USER\\AppEvents\\Schemes\\Apps\\.Default\\DeviceConnect\\.Default"),
                                QStringLiteral("."), QStringLiteral("changed.wav"));
        const QDateTime modified = QFileInfo(config).lastModified();
        QVERIFY(fixture::runProgramToEnd({QStringLiteral("-h")}));
        QTRY_VERIFY_WITH_TIMEOUT(logHas(QStringLiteral("The value is: -h")), 10000);
        QCOMPARE(fixture::readAll(config), afterStart);
        QCOMPARE(QFileInfo(config).lastModified(), modified);
        QVERIFY(planted.heardNothing());
        fixture::stopProgram(first);
        qputenv("XDG_RUNTIME_DIR", QFile::encodeName(root() + QStringLiteral("/runtime")));
    }

    // Another user's socket in the runtime folder, named pipes in place of
    // config.ini and registry.ini: the program starts, says why, and touches
    // none of them.
    void theProgramLeavesOthersSocketsAndPipesAlone()
    {
        if (::geteuid() != 0)
            QSKIP("Simulating another user needs root: the socket is given to nobody.");
        const QString socket = qEnvironmentVariable("XDG_RUNTIME_DIR") + QLatin1Char('/') + kSocketName;
        PlantedListener planted;
        QVERIFY(planted.plant(socket));
        const QString config = fixture::appData() + QStringLiteral("/config.ini");
        QVERIFY(makeFifo(config) && makeFifo(RegistryStore::emulationFile()));

        QProcess program;
        QVERIFY(fixture::startProgram(program));
        for (const QString &line : {QStringLiteral("Not our single-instance socket: ") + socket,
                                    QStringLiteral("Not a regular file: ") + config,
                                    QStringLiteral("Not a regular file: ") + RegistryStore::emulationFile()})
            QTRY_VERIFY2_WITH_TIMEOUT(logHas(line), qPrintable(line), 20000);
        QVERIFY(planted.heardNothing());
        QCOMPARE(program.state(), QProcess::Running);
        QCOMPARE(QFileInfo(socket).ownerId(), nobody());
        QVERIFY(!QFileInfo(config).isFile());
        fixture::stopProgram(program);
    }
};

QTEST_GUILESS_MAIN(HardeningTest)
#include "tst_hardening.moc"
