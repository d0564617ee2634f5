// The download component against a real HTTP server on 127.0.0.1:
// what it reports, when the destination file appears (never over a file that
// appeared meanwhile), and which redirects it follows.

#include "Download/quickdownload.h"
#include "LocalHttpServer.h"
#include "TestFixture.h"

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

QByteArray pattern(int size) { return QByteArray("abcdefghijklmnopqrstuvwxyz").repeated(size / 26 + 1).left(size); }

const QString kFinished = QStringLiteral("finished, running 0 progress 1");

// A download made from a QML declaration and what it reports, in order. At
// "finished" the running flag and the progress are noted: QML handlers of
// finished read them.
struct Watched
{
    explicit Watched(QuickDownload *made) : d(made)
    {
        QObject::connect(d.get(), &QuickDownload::started, [this] { events << "started"; });
        QObject::connect(d.get(), &QuickDownload::redirected, [this](const QUrl &to) { events << "to " + to.toString(); });
        QObject::connect(d.get(), &QuickDownload::finished,
                         [this] { events << QStringLiteral("finished, running %1 progress %2").arg(d->running()).arg(d->progress()); });
        QObject::connect(d.get(), &QuickDownload::error, [this](int code, const QString &text) { events << QString::number(code) + ' ' + text; });
        QObject::connect(d.get(), &QuickDownload::update, [this](int kB, int totalKB) { updates << QStringLiteral("%1 %2").arg(kB).arg(totalKB); });
        QObject::connect(d.get(), &QuickDownload::progressChanged, [this] { progress << d->progress(); });
    }
    // "finished" or an error.
    int ends() const { return events.filter(QRegularExpression(QStringLiteral("^(finished|\\d)"))).size(); }
    // Starts (without an address: the one set before) and waits for the end.
    bool run(const QUrl &url = QUrl())
    {
        const int before = ends();
        url.isEmpty() ? d->start() : d->start(url);
        return QTest::qWaitFor([&] { return ends() > before; }, 10000);
    }

    std::unique_ptr<QuickDownload> d;
    QStringList events, updates;
    QList<double> progress;
};

} // namespace

class DownloadTest : public QObject
{
    Q_OBJECT

private:
    QQmlEngine m_engine;
    QTemporaryDir m_dir;
    LocalHttpServer m_server;

    std::unique_ptr<Watched> watch(const QString &file, const QByteArray &declaration = "Download {}")
    {
        QQmlComponent component(&m_engine);
        component.setData("import com.vemo.quickdownload 1.0\n" + declaration, QUrl());
        auto watched = std::make_unique<Watched>(qobject_cast<QuickDownload *>(component.create()));
        watched->d->setDestination(target(file));
        return watched;
    }
    QUrl url(const char *pathAndQuery) const { return m_server.url(QString::fromLatin1(pathAndQuery)); }
    QUrl target(const QString &name) const { return QUrl::fromLocalFile(m_dir.filePath(name)); }
    QByteArray contents(const QString &name) const { return fixture::readAll(m_dir.filePath(name)); }
    // No destination appears early and no temporary file is left behind.
    QStringList files() const { return QDir(m_dir.path()).entryList(QDir::Files | QDir::Hidden, QDir::Name); }

private slots:
    void initTestCase()
    {
        qmlRegisterType<QuickDownload>("com.vemo.quickdownload", 1, 0, "Download");
        QVERIFY(m_dir.isValid() && m_server.start());
    }

    void cleanup()
    {
        for (const QString &file : files())
            QFile::remove(m_dir.filePath(file));
    }

    // Larger than the component's read buffer; kilobytes of 1000 bytes, rounded down.
    void bodiesAreCommittedOnce()
    {
        m_server.route("/firmware.exe", LocalHttpServer::ok(pattern(300500)));
        auto known = watch("firmware.exe");
        QTest::ignoreMessage(QtDebugMsg, QRegularExpression(QStringLiteral("^download url QUrl\\(\"file://.*/firmware.exe\"\\)$")));
        QVERIFY(known->run(url("/firmware.exe")));
        QCOMPARE(known->events, (QStringList{"started", kFinished}));
        QCOMPARE(known->updates.last(), QStringLiteral("300 300"));
        QCOMPARE(contents("firmware.exe"), pattern(300500));

        // A total of 0 must not be divided by.
        m_server.route("/empty", LocalHttpServer::ok(QByteArray()));
        auto empty = watch("empty.bin");
        QVERIFY(empty->run(url("/empty")));
        QCOMPARE(empty->events, (QStringList{"started", kFinished}));
        for (double value : empty->progress)
            QVERIFY(std::isfinite(value) && (value < 0 || value == 1.0));
        QCOMPARE(contents("empty.bin"), QByteArray());
        QCOMPARE(files(), (QStringList{"empty.bin", "firmware.exe"}));
    }

    void redirectsAreReportedAndFollowedOnlyWhenAllowed()
    {
        m_server.route("/tool.exe", LocalHttpServer::ok(pattern(5000)));
        m_server.route("/moved", LocalHttpServer::redirect("/again", 301));
        m_server.route("/again", LocalHttpServer::redirect("tool.exe?v=2", 307));
        m_server.route("/loop", LocalHttpServer::redirect("/loop"));
        m_server.route("/local", LocalHttpServer::redirect("file:///etc/hostname"));
        const QString toAgain = "to " + url("/again").toString(), toTool = "to " + url("/tool.exe?v=2").toString();

        auto refusing = watch("tool.exe");
        QTest::ignoreMessage(QtDebugMsg, QRegularExpression(QStringLiteral("^Re-direct not followed")));
        QVERIFY(refusing->run(url("/moved")));
        QCOMPARE(refusing->events, (QStringList{"started", toAgain, "3 Re-directs not allowed"}));
        QCOMPARE(files(), QStringList());

        // Allowed: a chain of relative locations ends at the file; the
        // redirect pages' own bodies are no progress (nor update, sent with
        // it), so it only rises.
        auto following = watch("tool.exe", "Download { followRedirects: true }");
        QVERIFY(following->run(url("/moved")));
        QCOMPARE(following->events, (QStringList{"started", toAgain, "started", toTool, "started", kFinished}));
        QCOMPARE(following->d->url(), url("/tool.exe?v=2"));
        QCOMPARE(contents("tool.exe"), pattern(5000));
        QVERIFY(!following->progress.isEmpty() && following->progress.constFirst() > 0
                && std::is_sorted(following->progress.cbegin(), following->progress.cend()));

        // A loop ends after a bounded number of requests; a web server
        // cannot hand over a local file.
        QFile::remove(m_dir.filePath("tool.exe"));
        const int before = m_server.requests();
        QVERIFY(following->run(url("/loop")));
        QCOMPARE(following->events.last(), QStringLiteral("3 Too many re-directs"));
        QCOMPARE(m_server.requests() - before, QuickDownload::maxRedirects + 1);
        QVERIFY(following->run(url("/local")));
        QCOMPARE(following->events.last(), QStringLiteral("3 Re-directs not allowed"));
        QCOMPARE(files(), QStringList());
    }

    // A connection cut or refused fails through the reply's error, as a stop
    // does (stopAndDestructionLeaveNoFile).
    void failuresAndRefusedInputsLeaveNoFile()
    {
        LocalHttpServer::Response failing = LocalHttpServer::ok("internal trouble");
        failing.status = 500;
        failing.reason = "Internal Server Error";
        m_server.route("/fail", failing);
        auto download = watch("out.bin");
        QVERIFY(download->run(url("/fail")));
        QVERIFY2(download->events.size() == 2 && download->events.last().startsWith("3 ")
                     && download->events.last().contains("Internal Server Error"), qPrintable(download->events.join('\n')));
        QCOMPARE(files(), QStringList());

        // Inputs are checked before any request.
        QVERIFY(fixture::writeAll(m_dir.filePath("out.bin"), QByteArray()));
        m_server.route("/good", LocalHttpServer::ok("new"));
        const int before = m_server.requests();
        auto checked = watch("out.bin");
        QuickDownload &d = *checked->d;
        d.setDestination(QUrl());
        d.start(QUrl());
        d.start(url("/good"));
        d.setDestination(target("out.bin"));
        d.start(url("/good"));
        d.setDestination(target("no-such-folder/x.bin"));
        d.start();
        QCOMPARE(checked->events.mid(0, 3), (QStringList{"1 Url is empty", "2 Destination is empty",
                                                         "2 Overwriting not allowed for destination file \"" + m_dir.filePath("out.bin") + '"'}));
        QVERIFY(checked->events.size() == 4 && checked->events.last().startsWith("2 ")); // no folder to write into
        QCOMPARE(m_server.requests() - before, 0);
        d.setDestination(target("out.bin"));
        d.setOverwrite(true);
        QVERIFY(checked->run());
        QCOMPARE(contents("out.bin"), QByteArray("new"));

        // A file made at the destination while the body comes is the user's: it stays.
        LocalHttpServer::Response slow = LocalHttpServer::ok(pattern(5000));
        slow.pauseMs = 500;
        m_server.route("/slow", slow);
        auto late = watch("late.bin");
        late->d->start(url("/slow"));
        QVERIFY(fixture::writeAll(m_dir.filePath("late.bin"), "the user's own file"));
        QTRY_COMPARE_WITH_TIMEOUT(late->ends(), 1, 10000);
        QVERIFY2(late->events.size() == 2 && late->events.last().startsWith("2 Overwriting not allowed"), qPrintable(late->events.join('\n')));
        QCOMPARE(contents("late.bin"), QByteArray("the user's own file"));
        QCOMPARE(files(), (QStringList{"late.bin", "out.bin"}));
    }

    void stopAndDestructionLeaveNoFile()
    {
        LocalHttpServer::Response stalled = LocalHttpServer::ok(pattern(100000));
        stalled.sendOnly = 30000;
        stalled.pauseMs = 200;
        m_server.route("/stall", stalled);
        auto download = watch("stalled.bin");
        QSignalSpy runningChanged(download->d.get(), &QuickDownload::runningChanged);
        download->d->start(url("/stall"));
        QTRY_VERIFY_WITH_TIMEOUT(download->progress.contains(0.3), 10000);
        QCOMPARE(download->updates.last(), QStringLiteral("30 100"));
        QCOMPARE(files(), QStringList()); // the destination appears only when complete

        download->d->stop();
        download->d->stop();
        QCOMPARE(runningChanged.count(), 2); // on, then off
        QTest::qWait(200);
        QCOMPARE(download->events, (QStringList{"started", "3 Operation canceled"}));
        QCOMPARE(files(), QStringList());

        download->d->start();
        QTRY_VERIFY_WITH_TIMEOUT(download->progress.count(0.3) == 2, 10000);
        download->d.reset(); // destroyed while the body stalls
        QTest::qWait(200);
        QCOMPARE(files(), QStringList());
    }
};

QTEST_GUILESS_MAIN(DownloadTest)
#include "tst_quickdownload.moc"
