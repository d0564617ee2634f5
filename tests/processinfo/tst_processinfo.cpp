// ProcessInfo as the interface uses it and the PE version reader beneath:
// the log-on entry in real folders, programs really started (and names that
// lead out of the temporary folder refused), version strings
// of executables built by the mingw-w64 tools (as the Windows version API
// reports them), whole or cut short, with the log lines they leave.
// (Damaged bytes: fuzz_peversion; the ELF reader on the virtual tool: e2e_maintenance.)

#include "Platform/peversionreader.h"
#include "ProcessInfo.h"
#include "TestFixture.h"

#include <QtTest>

using fixture::readAll;

namespace {

const std::vector<std::u16string> kKeys = {u"CompanyName", u"FileDescription", u"FileVersion", u"InternalName",
                                           u"LegalCopyright", u"OriginalFilename", u"ProductName", u"ProductVersion"};

QString peFixture(const char *name) { return QStringLiteral(PE_FIXTURE_DIR "/") + QLatin1String(name); }
QString temp() { return QStandardPaths::writableLocation(QStandardPaths::TempLocation); }
QString appData() { return QStandardPaths::writableLocation(QStandardPaths::AppDataLocation); }

bool writeFile(const QString &path, const QByteArray &content)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    return fixture::writeAll(path, content);
}

// The keys found, with their values.
QMap<QString, QString> valuesOf(const platform::FileVersionStrings &strings)
{
    QMap<QString, QString> values;
    for (size_t i = 0; i < kKeys.size() && i < strings.values.size(); ++i) {
        if (strings.values[i])
            values.insert(QString::fromStdU16String(kKeys[i]), QString::fromStdU16String(*strings.values[i]));
    }
    return values;
}

const QMap<QString, QString> kProduct = {{"CompanyName", "Vemo Technology"}, {"FileDescription", "Firmware upgrade tool"},
                                         {"FileVersion", "2.1.0.7"}, {"InternalName", "upgrade"},
                                         {"LegalCopyright", QString(QChar(0xA9)) + " 2024 Vemo"}, {"OriginalFilename", ""},
                                         {"ProductName", "Firmware Upgrade Utility"}};

} // namespace

class ProcessInfoTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { fixture::nameAsTheProgram(); }

    void builtExecutablesReadAsWindowsReportsThem()
    {
        using Status = platform::FileVersionStrings::Status;
        auto read = [](const QString &path) { return platform::readFileVersionStrings(QFile::encodeName(path).toStdString(), kKeys); };
        for (const char *name : {"product.exe", "product32.exe"}) {
            const auto strings = read(peFixture(name));
            QCOMPARE(int(strings.status), int(Status::Read));
            // Built from the translation entry, so lower case although the file says 040904B0.
            QCOMPARE(QString::fromStdU16String(strings.block), QStringLiteral("040904b0"));
            QCOMPARE(valuesOf(strings), kProduct);
        }
        // The first translation entry names the block, not the first block in the file.
        const auto twoLanguages = read(peFixture("twolanguages.exe"));
        QCOMPARE(QString::fromStdU16String(twoLanguages.block), QStringLiteral("040704e4"));
        QCOMPARE(valuesOf(twoLanguages), (QMap<QString, QString>{{"CompanyName", "Vemo Technik"}, {"FileDescription", "Aktualisiert die Firmware"},
                                                                 {"ProductName", "Firmware-Aktualisierung"}}));
        QCOMPARE(valuesOf(read(peFixture("tworesources.exe"))).value("ProductName"), QStringLiteral("English edition"));
        QTemporaryDir dir;
        QVERIFY(writeFile(dir.filePath("notes.txt"), "MZ but nothing else of an executable"));
        for (const QString &path : {dir.filePath("missing.exe"), dir.path(), dir.filePath("notes.txt")})
            QCOMPARE(int(read(path).status), int(Status::NoVersionResource));
    }

    void versionStringsReachTheInterfaceWithTheirLogLines()
    {
        ProcessInfo process;
        QVariantMap product;
        for (const std::u16string &key : kKeys)
            product.insert(QString::fromStdU16String(key), kProduct.value(QString::fromStdU16String(key)));
        MessageCapture log;
        QCOMPARE(process.getFileInfo(peFixture("product.exe")), product);
        QStringList lines{"dwonload file path \"" + peFixture("product.exe") + "\""};
        for (auto it = kProduct.cbegin(); it != kProduct.cend(); ++it)
            lines << "\"" + it.key() + "\" \"" + it.value() + "\"";
        QCOMPARE(MessageCapture::take(), lines << "\"Get file ProductVersion error!\"");

        // Cut short, the image reads in full or not at all; cut inside the
        // resource's data, the resource is found but cannot be read.
        const QByteArray image = readAll(peFixture("product.exe"));
        int unreadable = 0;
        for (int size = 0; size <= image.size(); ++size) {
            const auto strings = pe::readVersionStrings(pe::MemoryBytes(reinterpret_cast<const std::uint8_t *>(image.constData()), size_t(size)), kKeys);
            if (strings.status == platform::FileVersionStrings::Status::ReadFailed)
                unreadable = size;
            else if (strings.status == platform::FileVersionStrings::Status::Read)
                QCOMPARE(valuesOf(strings), kProduct);
        }
        QVERIFY(writeFile(temp() + "/truncated.exe", image.left(unreadable)));
        QStringList notFound;
        for (const std::u16string &key : kKeys)
            notFound << "\"Get file " + QString::fromStdU16String(key) + " error!\"";
        const QList<QPair<QString, QStringList>> failures = {{peFixture("noversion.exe"), {"get GetFileVersionInfoSize failed!"}},
                                                             {peFixture("notranslation.exe"), notFound},
                                                             {temp() + "/truncated.exe", {"get GetFileVersionInfo failed!"}}};
        for (const auto &f : failures) {
            const QVariantMap info = process.getFileInfo(f.first);
            QCOMPARE(info.keys(), product.keys());
            for (const QVariant &value : info)
                QCOMPARE(value.toString(), QString());
            QCOMPARE(MessageCapture::take().mid(1), f.second);
        }
    }

    // The installed master (share/vemo-portview beside bin/) serves a user
    // without one; the user's own comes first. (Without any: e2e prefs.)
    void logOnStartIsSwitchedByCopyingTheMaster()
    {
        ProcessInfo process;
        const QString shared = QDir::cleanPath(QCoreApplication::applicationDirPath() + QStringLiteral("/../share"));
        const QString installed = shared + QStringLiteral("/vemo-portview/Vemo Portview.desktop");
        QVERIFY(writeFile(installed, "[Desktop Entry]\nType=Application\nName=Installed\n"));
        QCOMPARE(ProcessInfo::autorunMasterPath(), installed);
        const QString master = appData() + QStringLiteral("/Vemo Portview.desktop");
        QVERIFY(writeFile(master, "[Desktop Entry]\nType=Application\nName=Mine\nExec=vemo-portview -h\n"));
        QCOMPARE(ProcessInfo::autorunMasterPath(), master);

        const QString active = ProcessInfo::autorunActivePath();
        QVERIFY(process.setAPAutorun(1));
        QCOMPARE(readAll(active), readAll(master));
        QVERIFY(!process.setAPAutorun(1)); // a copy never overwrites
        QVERIFY(process.setAPAutorun(0) && !QFile::exists(active) && process.setAPAutorun(0) && QFile::exists(master));
        QDir(shared).removeRecursively();
    }

    void programsStartDetachedInTheTemporaryFolder()
    {
        ProcessInfo process;
        MessageCapture log;
        QVERIFY(!process.openProcess(QStringLiteral("/upgrade.exe")));
        QCOMPARE(MessageCapture::take(), QStringList{"warning: Does not exits: \"" + temp() + "//upgrade.exe\""});
        QVERIFY(!process.openProcess(QString())); // the folder itself is no program
        // Names that lead out of the folder or into a sub-folder start nothing.
        const QString parent = QDir::cleanPath(temp() + QStringLiteral("/.."));
        QVERIFY(writeFile(parent + "/escape.sh", "#!/bin/sh\n") && writeFile(temp() + "/sub/inner.sh", "#!/bin/sh\n"));
        QVERIFY(QFile::link(parent + "/escape.sh", temp() + "/link.sh"));
        for (const char *name : {"../escape.sh", "sub/../../escape.sh", "link.sh", "sub/inner.sh"})
            QVERIFY2(!process.openProcess(QString::fromLatin1(name)), name);

        // The tool (without the execute permission a download lacks) reports
        // its folder and where its output goes.
        QVERIFY(writeFile(temp() + "/tool.sh", "#!/bin/sh\nout=$(readlink /proc/$$/fd/1); err=$(readlink /proc/$$/fd/2)\n"
                                               "printf '%s\\n%s\\n%s\\n' \"$(pwd)\" \"$out\" \"$err\" > report.part\nmv report.part report.txt\n"));
        QVERIFY(process.openProcess(QStringLiteral("/tool.sh")));
        QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(temp() + "/report.txt"), 10000);
        QCOMPARE(QString::fromLocal8Bit(readAll(temp() + "/report.txt")).split('\n'),
                 (QStringList{QDir(temp()).canonicalPath(), "/dev/null", "/dev/null", ""}));

        // The checked tool starts only while it is the file checked: one put
        // in its place since (a file the check refused) starts nothing.
        const QString checked = process.fileIdentity(QStringLiteral("/tool.sh"));
        QVERIFY(!checked.isEmpty() && process.fileIdentity(QStringLiteral("link.sh")).isEmpty());
        QVERIFY(writeFile(temp() + "/tool.sh", "#!/bin/sh\ntouch started.txt\n"));
        MessageCapture::take();
        QVERIFY(!process.openCheckedProcess(QStringLiteral("/tool.sh"), checked));
        QVERIFY(!process.openCheckedProcess(QStringLiteral("/tool.sh"), QString()));
        QCOMPARE(MessageCapture::take().filter("The upgrade tool changed after its check, not started").size(), 2);
        // A download that will not be started goes; nothing outside the folder does.
        QVERIFY(!process.removeTemporary(QStringLiteral("../escape.sh")) && QFile::exists(parent + "/escape.sh"));
        QVERIFY(process.removeTemporary(QStringLiteral("/tool.sh")) && !QFile::exists(temp() + "/tool.sh"));
        QTest::qWait(300);
        QVERIFY(!QFile::exists(temp() + "/started.txt"));
    }
};

QTEST_GUILESS_MAIN(ProcessInfoTest)
#include "tst_processinfo.moc"
