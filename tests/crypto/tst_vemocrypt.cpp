// The command-line tool the build uses to encrypt the device catalogue.

#include "CryptoTestSupport.h"

#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

namespace {

struct Run
{
    int status = -1;
    QByteArray out;
    QByteArray err;
};

Run vemocrypt(const QStringList &args, const QString &folder)
{
    QProcess process;
    process.setWorkingDirectory(folder);
    process.start(QStringLiteral(VEMOCRYPT_EXECUTABLE), args);
    Run run;
    if (process.waitForFinished(30000) && process.exitStatus() == QProcess::NormalExit)
        run.status = process.exitCode();
    run.out = process.readAllStandardOutput();
    run.err = process.readAllStandardError();
    return run;
}

} // namespace

class VemocryptTest : public QObject
{
    Q_OBJECT

private slots:
    void encryptCheckDecrypt()
    {
        QTemporaryDir dir;
        const QByteArray catalogue = R"({"models":[{"name":"QV5830","vid":"1209","pid":"0001"}]})";
        writeAll(dir.filePath("Vemo.json"), catalogue);
        writeAll(dir.filePath("dev.vemo"), "an older catalogue");

        Run run = vemocrypt({"encrypt", "Vemo.json", "dev.vemo"}, dir.path());
        QCOMPARE(run.status, 0);
        QCOMPARE(run.err, QByteArray());
        QVERIFY(readAll(dir.filePath("dev.vemo")).startsWith("GVLU"));
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files, QDir::Name), (QStringList{"Vemo.json", "dev.vemo"}));

        run = vemocrypt({"check", dir.filePath("dev.vemo")}, dir.path());
        QCOMPARE(run.status, 0);
        QCOMPARE(run.out, QByteArray("4\n"));
        run = vemocrypt({"check", "Vemo.json"}, dir.path());
        QCOMPARE(run.out, QByteArray("2\n"));

        run = vemocrypt({"decrypt", "dev.vemo", "back.json"}, dir.path());
        QCOMPARE(run.status, 0);
        QCOMPARE(readAll(dir.filePath("back.json")), catalogue);
    }

    void failuresExitNonZeroWithOneLine()
    {
        QTemporaryDir dir;
        writeAll(dir.filePath("Vemo.json"), QByteArray(300, '{'));
        writeAll(dir.filePath("keep.vemo"), "kept");
        const QList<QStringList> failing = {
            {"encrypt", "missing.json", "keep.vemo"},
            {"encrypt", "Vemo.json", "no-such-folder/dev.vemo"},
            {"decrypt", "Vemo.json", "keep.vemo"},
            {"decrypt", "missing.vemo", "out.json"},
            {"frobnicate"},
            {"check"},
            {},
        };
        for (const QStringList &args : failing) {
            const Run run = vemocrypt(args, dir.path());
            QVERIFY2(run.status == 1, qPrintable(args.join(' ')));
            QVERIFY2(run.err.startsWith("vemocrypt: ") && run.err.count('\n') == 1, run.err.constData());
            QCOMPARE(readAll(dir.filePath("keep.vemo")), QByteArray("kept"));
        }
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files, QDir::Name), (QStringList{"Vemo.json", "keep.vemo"}));
    }
};

QTEST_GUILESS_MAIN(VemocryptTest)
#include "tst_vemocrypt.moc"
