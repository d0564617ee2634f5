// ProcessInfo and comCopyright as the interface uses them: the log-on
// entry in real folders, programs really started, the process listing with
// a real process, and the version strings of built executables with the
// log lines they leave.

#include "TestFixture.h"
#include "Platform/peversionreader.h"
#include "Platform/processes.h"
#include "ProcessInfo.h"
#include "copyright.h"

#include <QtTest>

#include <signal.h>

namespace {

QStringList g_log;

void recordMessage(QtMsgType type, const QMessageLogContext &, const QString &message)
{
    g_log << (type == QtWarningMsg ? QStringLiteral("warning: ") : QString()) + message;
}

QString peFixture(const char *name)
{
    return QStringLiteral(PE_FIXTURE_DIR "/") + QLatin1String(name);
}

QString appData()
{
    return QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
}

QString temp()
{
    return QStandardPaths::writableLocation(QStandardPaths::TempLocation);
}

bool writeFile(const QString &path, const QByteArray &content)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(content) == content.size();
}

QByteArray readFile(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace

class ProcessInfoTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        fixture::nameAsTheProgram();
        qInstallMessageHandler(recordMessage);
    }

    void cleanupTestCase() { qInstallMessageHandler(nullptr); }

    void init() { g_log.clear(); }

    void theCompanyWordIsVemo()
    {
        comCopyright com;
        QString word;
        QVERIFY(QMetaObject::invokeMethod(&com, "getCompanyName", Q_RETURN_ARG(QString, word)));
        QCOMPARE(word, QStringLiteral("Vemo"));
    }

    void theInterfaceSeesTheFourOperationsInOrder()
    {
        const QMetaObject &meta = ProcessInfo::staticMetaObject;
        QStringList methods;
        for (int i = meta.methodOffset(); i < meta.methodCount(); ++i)
            methods << QString::fromLatin1(meta.method(i).methodSignature());
        QCOMPARE(methods, (QStringList {"getDriverProcess()", "openProcess(QString)", "setAPAutorun(int)",
                                        "getFileInfo(QString)"}));
        QCOMPARE(meta.method(meta.methodOffset()).methodType(), QMetaMethod::Slot);
    }

    void logOnStartIsSwitchedByCopyingTheMaster()
    {
        ProcessInfo process;
        const QString master = appData() + QStringLiteral("/Vemo Portview.desktop");
        const QString active = qEnvironmentVariable("XDG_CONFIG_HOME") + QStringLiteral("/autostart/Vemo Portview.desktop");
        QCOMPARE(ProcessInfo::autorunActivePath(), active);

        // No master anywhere (a build tree): the entry names this executable.
        QVERIFY(process.setAPAutorun(1));
        QVERIFY(readFile(active).contains(QCoreApplication::applicationFilePath().toUtf8() + " -h\n"));
        QVERIFY(process.setAPAutorun(0));

        QVERIFY(writeFile(master, "[Desktop Entry]\nType=Application\nName=Mine\nExec=vemo-portview -h\n"));
        QVERIFY(process.setAPAutorun(1));
        QCOMPARE(readFile(active), readFile(master));
        QVERIFY(!process.setAPAutorun(1)); // a copy never overwrites
        QVERIFY(process.setAPAutorun(0));
        QVERIFY(!QFile::exists(active));
        QVERIFY(process.setAPAutorun(0)); // off already
        QVERIFY(QFile::exists(master));

        // Any value but 1 switches it off.
        QVERIFY(process.setAPAutorun(1));
        QVERIFY(process.setAPAutorun(2));
        QVERIFY(!QFile::exists(active));
    }

    void theInstalledMasterServesAUserWithoutOne()
    {
        // An installed tree's data folder, share/vemo-portview beside bin/.
        const QString shared = QDir::cleanPath(QCoreApplication::applicationDirPath() + QStringLiteral("/../share"));
        const QString installed = shared + QStringLiteral("/vemo-portview/Vemo Portview.desktop");
        QVERIFY(writeFile(installed, "[Desktop Entry]\nType=Application\nName=Installed\n"));
        QFile::remove(appData() + QStringLiteral("/Vemo Portview.desktop"));

        ProcessInfo process;
        QCOMPARE(ProcessInfo::autorunMasterPath(), installed);
        QVERIFY(process.setAPAutorun(1));
        QCOMPARE(readFile(ProcessInfo::autorunActivePath()), readFile(installed));
        QVERIFY(process.setAPAutorun(0));

        // The user's own copy comes first.
        QVERIFY(writeFile(appData() + QStringLiteral("/Vemo Portview.desktop"), "[Desktop Entry]\nName=Own\n"));
        QCOMPARE(ProcessInfo::autorunMasterPath(), appData() + QStringLiteral("/Vemo Portview.desktop"));
        QFile::remove(appData() + QStringLiteral("/Vemo Portview.desktop"));
        QDir(shared).removeRecursively();
    }

    void programsStartDetachedInTheTemporaryFolder()
    {
        ProcessInfo process;
        QVERIFY(!process.openProcess(QStringLiteral("/upgrade.exe")));
        QCOMPARE(g_log, QStringList {"warning: Does not exits: \"" + temp() + "//upgrade.exe\""});
        QVERIFY(!process.openProcess(QString())); // the folder itself is no program

        // The tool reports its folder and where its output goes.
        const QString report = temp() + QStringLiteral("/report.txt");
        const QString tool = temp() + QStringLiteral("/tool.sh");
        QVERIFY(writeFile(tool, "#!/bin/sh\n"
                                "out=$(readlink /proc/$$/fd/1); err=$(readlink /proc/$$/fd/2)\n"
                                "printf '%s\\n%s\\n%s\\n' \"$(pwd)\" \"$out\" \"$err\" > report.part\n"
                                "mv report.part report.txt\n"));
        QVERIFY(QFile::setPermissions(tool, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner));
        QVERIFY(process.openProcess(QStringLiteral("/tool.sh")));
        QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(report), 10000);
        QCOMPARE(QString::fromLocal8Bit(readFile(report)).split('\n'),
                 (QStringList {QDir(temp()).canonicalPath(), "/dev/null", "/dev/null", ""}));
    }

    void theProcessListShowsRunningPrograms()
    {
        // A program whose name holds "test", as the driver's does.
        const QString driver = temp() + QStringLiteral("/vemo-test-driver");
        QVERIFY(QFile::copy(QStringLiteral("/bin/sleep"), driver));
        QProcess running;
        running.start(driver, {QStringLiteral("60")});
        QVERIFY(running.waitForStarted());
        const QByteArray line = "vemo-test-driver " + QByteArray::number(running.processId()) + '\n';

        std::string listing;
        QVERIFY(platform::listProcesses(30000, listing));
        QVERIFY(QByteArray::fromStdString(listing).contains(line));
        ProcessInfo process;
        QVERIFY(process.getDriverProcess());

        running.kill();
        QVERIFY(running.waitForFinished());
        QVERIFY(platform::listProcesses(30000, listing));
        QVERIFY(!QByteArray::fromStdString(listing).contains(line));
        // Our own process, by its executable's name.
        QVERIFY(QByteArray::fromStdString(listing).contains(
            QFileInfo(QCoreApplication::applicationFilePath()).fileName().toLocal8Bit() + ' '
            + QByteArray::number(QCoreApplication::applicationPid()) + '\n'));
    }

    void versionStringsAreReturnedAndLogged()
    {
        ProcessInfo process;
        const QVariantMap info = process.getFileInfo(peFixture("product.exe"));
        QVariantMap expected {{"CompanyName", "Vemo Technology"},
                              {"FileDescription", "Firmware upgrade tool"},
                              {"FileVersion", "2.1.0.7"},
                              {"InternalName", "upgrade"},
                              {"LegalCopyright", QString(QChar(0xA9)) + " 2024 Vemo"},
                              {"OriginalFilename", ""},
                              {"ProductName", "Firmware Upgrade Utility"},
                              {"ProductVersion", ""}};
        QCOMPARE(info, expected);
        QCOMPARE(g_log, (QStringList {"dwonload file path \"" + peFixture("product.exe") + "\"",
                                      "\"CompanyName\" \"Vemo Technology\"",
                                      "\"FileDescription\" \"Firmware upgrade tool\"",
                                      "\"FileVersion\" \"2.1.0.7\"",
                                      "\"InternalName\" \"upgrade\"",
                                      QString("\"LegalCopyright\" \"") + QChar(0xA9) + " 2024 Vemo\"",
                                      "\"OriginalFilename\" \"\"",
                                      "\"ProductName\" \"Firmware Upgrade Utility\"",
                                      "\"Get file ProductVersion error!\""}));
    }

    void filesWithoutUsableStringsGiveEightEmptyValues()
    {
        const QStringList keys {"CompanyName",    "FileDescription",  "FileVersion", "InternalName",
                                "LegalCopyright", "OriginalFilename", "ProductName", "ProductVersion"};
        QVariantMap empty;
        for (const QString &key : keys)
            empty.insert(key, QString());
        ProcessInfo process;

        QCOMPARE(process.getFileInfo(peFixture("noversion.exe")), empty);
        QCOMPARE(g_log.mid(1), QStringList {"get GetFileVersionInfoSize failed!"});

        g_log.clear();
        QCOMPARE(process.getFileInfo(peFixture("notranslation.exe")), empty);
        QStringList notFound;
        for (const QString &key : keys)
            notFound << "\"Get file " + key + " error!\"";
        QCOMPARE(g_log.mid(1), notFound);

        // Cut inside the resource's data: found, but it cannot be read.
        const QByteArray image = readFile(peFixture("product.exe"));
        int cut = image.size();
        for (; cut > 0; --cut) {
            const pe::MemoryBytes bytes(reinterpret_cast<const std::uint8_t *>(image.constData()), size_t(cut));
            if (pe::loadVersionResource(bytes).status == pe::ResourceStatus::Unreadable)
                break;
        }
        QVERIFY(cut > 0);
        const QString truncated = temp() + QStringLiteral("/truncated.exe");
        QVERIFY(writeFile(truncated, image.left(cut)));
        g_log.clear();
        QCOMPARE(process.getFileInfo(truncated), empty);
        QCOMPARE(g_log.mid(1), QStringList {"get GetFileVersionInfo failed!"});

        g_log.clear();
        QCOMPARE(process.getFileInfo(temp() + QStringLiteral("/none.exe")), empty);
        QCOMPARE(g_log.mid(1), QStringList {"get GetFileVersionInfoSize failed!"});
    }
};

QTEST_GUILESS_MAIN(ProcessInfoTest)
#include "tst_processinfo.moc"
