// The download component against a real HTTP server on 127.0.0.1:
// what it reports, when the destination file appears (never over a file that
// appeared meanwhile), and which redirects it follows.

#include "Download/quickdownload.h"
#include "LocalHttpServer.h"

#include <QDir>
#include <QQmlComponent>
#include <QQmlEngine>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

#include <algorithm>
#include <cmath>
#include <memory>

namespace {

QByteArray pattern(int size)
{
    QByteArray bytes(size, '\0');
    for (int i = 0; i < size; ++i)
        bytes[i] = char('a' + i % 26);
    return bytes;
}

// A download made from a QML declaration and what it reports. At each
// "finished" the running flag and the progress are noted: QML handlers of
// finished read them.
struct Watched
{
    explicit Watched(std::unique_ptr<QuickDownload> made)
        : d(std::move(made)), started(d.get(), &QuickDownload::started), finished(d.get(), &QuickDownload::finished),
          errors(d.get(), &QuickDownload::error), updates(d.get(), &QuickDownload::update),
          redirects(d.get(), &QuickDownload::redirected)
    {
        QObject::connect(d.get(), &QuickDownload::progressChanged, [this] { progress << d->progress(); });
        QObject::connect(d.get(), &QuickDownload::finished,
                         [this] { atFinish << QStringLiteral("running %1 progress %2").arg(d->running()).arg(d->progress()); });
    }
    QuickDownload *operator->() const { return d.get(); }
    QString lastError() const { return errors.isEmpty() ? QString() : errors.last().at(0).toString() + ' ' + errors.last().at(1).toString(); }
    QString lastUpdate() const { return updates.isEmpty() ? QString() : updates.last().at(0).toString() + ' ' + updates.last().at(1).toString(); }
    bool ended() const { return finished.count() + errors.count() > 0; }

    std::unique_ptr<QuickDownload> d;
    QSignalSpy started, finished, errors, updates, redirects;
    QList<double> progress;
    QStringList atFinish;
};

void expectCommitLine() { QTest::ignoreMessage(QtDebugMsg, QRegularExpression(QStringLiteral("^download url"))); }
void expectRefusalLine() { QTest::ignoreMessage(QtDebugMsg, QRegularExpression(QStringLiteral("^Re-direct not followed"))); }

} // namespace

class DownloadTest : public QObject
{
    Q_OBJECT

private:
    QQmlEngine m_engine;
    QTemporaryDir m_dir;
    LocalHttpServer m_server;

    std::unique_ptr<QuickDownload> create(const QByteArray &declaration = "Download {}")
    {
        QQmlComponent component(&m_engine);
        component.setData("import com.vemo.quickdownload 1.0\n" + declaration, QUrl());
        return std::unique_ptr<QuickDownload>(qobject_cast<QuickDownload *>(component.create()));
    }
    std::unique_ptr<Watched> watch(const QString &file, const QByteArray &declaration = "Download {}")
    {
        auto watched = std::make_unique<Watched>(create(declaration));
        (*watched)->setDestination(target(file));
        return watched;
    }
    QUrl url(const char *pathAndQuery) const { return m_server.url(QString::fromLatin1(pathAndQuery)); }
    QUrl target(const QString &name) const { return QUrl::fromLocalFile(m_dir.filePath(name)); }
    QByteArray contents(const QString &name) const
    {
        QFile f(m_dir.filePath(name));
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<missing>");
    }
    // No destination appears early and no temporary file is left behind.
    QStringList files() const { return QDir(m_dir.path()).entryList(QDir::Files | QDir::Hidden, QDir::Name); }

private slots:
    void initTestCase()
    {
        qmlRegisterType<QuickDownload>("com.vemo.quickdownload", 1, 0, "Download");
        QVERIFY(m_dir.isValid());
        QVERIFY(m_server.start());
    }

    void cleanup()
    {
        for (const QString &file : files())
            QFile::remove(m_dir.filePath(file));
    }

    void bodiesWithAndWithoutTotalAreCommittedOnce()
    {
        m_server.route("/firmware.exe", LocalHttpServer::ok(pattern(2500)));
        auto known = watch("firmware.exe");
        QTest::ignoreMessage(QtDebugMsg, QRegularExpression(QStringLiteral("^download url QUrl\\(\"file://.*/firmware.exe\"\\)$")));
        (*known)->start(url("/firmware.exe"));
        QVERIFY((*known)->running());
        QCOMPARE(known->started.count(), 1);
        QTRY_VERIFY_WITH_TIMEOUT(known->ended(), 10000);
        QCOMPARE(known->finished.count(), 1);
        QCOMPARE(known->errors.count(), 0);
        QCOMPARE(known->lastUpdate(), QStringLiteral("2 2"));
        QCOMPARE(known->atFinish, QStringList{"running 0 progress 1"});
        QCOMPARE(contents("firmware.exe"), pattern(2500));
        QCOMPARE(files(), QStringList{"firmware.exe"});

        LocalHttpServer::Response unsized = LocalHttpServer::ok(pattern(300000));
        unsized.sendLength = false;
        m_server.route("/unsized", unsized);
        m_server.route("/empty", LocalHttpServer::ok(QByteArray()));

        auto whole = watch("unsized.bin");
        expectCommitLine();
        (*whole)->start(url("/unsized"));
        QTRY_VERIFY_WITH_TIMEOUT(whole->finished.count() == 1, 10000);
        QCOMPARE((*whole)->progress(), 1.0);
        QCOMPARE(contents("unsized.bin"), pattern(300000));

        // A total of 0 must not be divided by either.
        auto empty = watch("empty.bin");
        expectCommitLine();
        (*empty)->start(url("/empty"));
        QTRY_VERIFY_WITH_TIMEOUT(empty->finished.count() == 1, 10000);
        for (double value : empty->progress)
            QVERIFY(std::isfinite(value) && (value < 0 || value == 1.0));
        QCOMPARE(contents("empty.bin"), QByteArray());
    }

    void redirectsAreReportedAndFollowedOnlyWhenAllowed()
    {
        m_server.route("/tool.exe", LocalHttpServer::ok(pattern(5000)));
        m_server.route("/moved", LocalHttpServer::redirect("/again", 301));
        m_server.route("/again", LocalHttpServer::redirect("tool.exe?v=2", 307));
        m_server.route("/loop", LocalHttpServer::redirect("/loop"));
        m_server.route("/local", LocalHttpServer::redirect("file:///etc/hostname"));

        auto refusing = watch("tool.exe");
        expectRefusalLine();
        (*refusing)->start(url("/moved"));
        QTRY_VERIFY_WITH_TIMEOUT(refusing->ended(), 10000);
        QCOMPARE(refusing->redirects.count(), 1);
        QCOMPARE(refusing->redirects.first().first().toUrl(), url("/again"));
        QCOMPARE(refusing->lastError(), QStringLiteral("3 Re-directs not allowed"));
        QCOMPARE(files(), QStringList());

        // Allowed: a chain of relative locations ends at the file; the
        // redirect pages' own bodies are no progress, so it only rises.
        auto following = watch("tool.exe", "Download { followRedirects: true }");
        expectCommitLine();
        (*following)->start(url("/moved"));
        QTRY_VERIFY_WITH_TIMEOUT(following->ended(), 10000);
        QCOMPARE(following->finished.count(), 1);
        QCOMPARE(following->started.count(), 3);
        QCOMPARE((*following)->url(), url("/tool.exe?v=2"));
        QCOMPARE(contents("tool.exe"), pattern(5000));
        QVERIFY(!following->progress.isEmpty() && following->progress.constFirst() > 0
                && std::is_sorted(following->progress.cbegin(), following->progress.cend()));
        for (const QList<QVariant> &update : following->updates)
            QCOMPARE(update.at(1).toInt(), 5);

        // A loop ends after a bounded number of requests; a web server
        // cannot hand over a local file.
        QFile::remove(m_dir.filePath("tool.exe"));
        const int before = m_server.requests().size();
        expectRefusalLine();
        (*following)->start(url("/loop"));
        QTRY_VERIFY_WITH_TIMEOUT(following->errors.count() == 1, 10000);
        QCOMPARE(following->lastError(), QStringLiteral("3 Too many re-directs"));
        QCOMPARE(m_server.requests().size() - before, QuickDownload::maxRedirects + 1);
        expectRefusalLine();
        (*following)->start(url("/local"));
        QTRY_VERIFY_WITH_TIMEOUT(following->errors.count() == 2, 10000);
        QCOMPARE(following->lastError(), QStringLiteral("3 Re-directs not allowed"));
        QCOMPARE(files(), QStringList());
    }

    void failuresAndRefusedInputsLeaveNoFile()
    {
        LocalHttpServer::Response failing = LocalHttpServer::ok("internal trouble");
        failing.status = 500;
        failing.reason = "Internal Server Error";
        m_server.route("/fail", failing);
        LocalHttpServer::Response cut = LocalHttpServer::ok(pattern(10000));
        cut.sendOnly = 4000;
        cut.hangUp = true;
        m_server.route("/cut", cut);
        m_server.route("/good", LocalHttpServer::ok("good"));
        LocalHttpServer closed;
        QVERIFY(closed.start());
        const QUrl nowhere = closed.url(QStringLiteral("/x"));
        closed.close();

        auto download = watch("out.bin");
        const QList<QUrl> failures = {url("/fail"), url("/cut"), nowhere};
        for (const QUrl &failure : failures) {
            (*download)->start(failure);
            QTRY_VERIFY_WITH_TIMEOUT(download->errors.count() == failures.indexOf(failure) + 1, 10000);
            QVERIFY2(download->lastError().startsWith("3 "), qPrintable(download->lastError()));
            QVERIFY(failure != url("/fail") || download->lastError().contains("Internal Server Error"));
            QCOMPARE(files(), QStringList());
        }
        QCOMPARE(download->finished.count(), 0);

        // Inputs are checked before any request.
        QFile existing(m_dir.filePath("out.bin"));
        QVERIFY(existing.open(QIODevice::WriteOnly));
        const int before = m_server.requests().size();
        Watched checked(create());
        checked->start(QUrl());
        checked->start(url("/good"));
        checked->setDestination(target("out.bin"));
        checked->start(url("/good"));
        checked->setDestination(target("no-such-folder/x.bin"));
        checked->start();
        QStringList texts;
        for (const QList<QVariant> &e : checked.errors)
            texts << e.at(0).toString() + ' ' + e.at(1).toString();
        QCOMPARE(texts.mid(0, 3), (QStringList{"1 Url is empty", "2 Destination is empty",
                                               "2 Overwriting not allowed for destination file \"" + m_dir.filePath("out.bin") + '"'}));
        QVERIFY(texts.size() == 4 && texts.last().startsWith("2 ")); // no folder to write into
        QCOMPARE(m_server.requests().size() - before, 0);
        checked->setDestination(target("out.bin"));
        checked->setOverwrite(true);
        m_server.route("/good", LocalHttpServer::ok("new"));
        expectCommitLine();
        checked->start();
        QTRY_VERIFY_WITH_TIMEOUT(checked.finished.count() == 1, 10000);
        QCOMPARE(contents("out.bin"), QByteArray("new"));

        // A file made at the destination while the body comes is the user's: it stays.
        LocalHttpServer::Response slow = LocalHttpServer::ok(pattern(5000));
        slow.pauseMs = 500;
        m_server.route("/slow", slow);
        auto late = watch("late.bin");
        (*late)->start(url("/slow"));
        QFile mine(m_dir.filePath("late.bin"));
        QVERIFY(mine.open(QIODevice::WriteOnly) && mine.write("the user's own file") > 0);
        mine.close();
        QTRY_VERIFY_WITH_TIMEOUT(late->errors.count() == 1, 10000);
        QVERIFY2(late->lastError().startsWith("2 Overwriting not allowed"), qPrintable(late->lastError()));
        QCOMPARE(late->finished.count(), 0);
        QCOMPARE(contents("late.bin"), QByteArray("the user's own file"));
        QCOMPARE(files().filter("late.bin"), QStringList{"late.bin"});
    }

    void stopAndDestructionLeaveNoFile()
    {
        LocalHttpServer::Response stalled = LocalHttpServer::ok(pattern(100000));
        stalled.sendOnly = 30000;
        stalled.pauseMs = 200;
        m_server.route("/stall", stalled);
        auto download = watch("stalled.bin");
        QSignalSpy runningChanged(download->d.get(), &QuickDownload::runningChanged);
        (*download)->start(url("/stall"));
        QTRY_VERIFY_WITH_TIMEOUT(download->progress.contains(0.3), 10000);
        QCOMPARE(download->lastUpdate(), QStringLiteral("30 100"));
        QCOMPARE(files(), QStringList()); // the destination appears only when complete

        (*download)->stop();
        QVERIFY(!(*download)->running());
        QCOMPARE(download->lastError(), QStringLiteral("3 Operation canceled"));
        (*download)->stop();
        QCOMPARE(runningChanged.count(), 2);
        QTest::qWait(200);
        QCOMPARE(download->finished.count(), 0);
        QCOMPARE(files(), QStringList());

        (*download)->start();
        QTRY_VERIFY_WITH_TIMEOUT(download->progress.count(0.3) == 2, 10000);
        download->d.reset(); // destroyed while the body stalls
        QTest::qWait(200);
        QCOMPARE(files(), QStringList());
    }
};

QTEST_GUILESS_MAIN(DownloadTest)
#include "tst_quickdownload.moc"
