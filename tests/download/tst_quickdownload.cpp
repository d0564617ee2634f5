// The download component against real HTTP and HTTPS servers on 127.0.0.1:
// what it reports, when the destination file appears, and which redirects
// it follows.

#include "Download/quickdownload.h"
#include "LocalHttpServer.h"

#include <QDir>
#include <QProcess>
#include <QQmlComponent>
#include <QQmlEngine>
#include <QSslConfiguration>
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

// Everything a download reports, in order, as short texts.
class Events : public QObject
{
public:
    explicit Events(QuickDownload *download)
        : m_download(download)
    {
        connect(download, &QuickDownload::started, this, [this] { log << QStringLiteral("started"); });
        connect(download, &QuickDownload::finished, this, [this] { log << QStringLiteral("finished"); });
        connect(download, &QuickDownload::runningChanged, this,
                [this] { log << QStringLiteral("running %1").arg(m_download->running()); });
        connect(download, &QuickDownload::progressChanged, this, [this] {
            log << QStringLiteral("progress %1").arg(m_download->progress());
            progress << m_download->progress();
        });
        connect(download, &QuickDownload::update, this,
                [this](int kb, int total) { log << QStringLiteral("update %1 %2").arg(kb).arg(total); });
        connect(download, &QuickDownload::redirected, this,
                [this](const QUrl &url) { log << QStringLiteral("redirected ") + url.toString(); });
        connect(download, &QuickDownload::error, this,
                [this](int code, const QString &text) { log << QStringLiteral("error %1 %2").arg(code).arg(text); });
    }

    bool ended() const { return count(QStringLiteral("finished")) + count(QStringLiteral("error")) > 0; }
    int count(const QString &prefix) const
    {
        int n = 0;
        for (const QString &line : log)
            n += line.startsWith(prefix);
        return n;
    }
    QStringList matching(const QString &prefix) const
    {
        QStringList lines;
        for (const QString &line : log)
            if (line.startsWith(prefix))
                lines << line;
        return lines;
    }

    QStringList log;
    QList<double> progress;

private:
    QuickDownload *m_download;
};

// A download made from a QML declaration, with everything it reports.
struct Watched
{
    std::unique_ptr<QuickDownload> download;
    std::unique_ptr<Events> events;
    QuickDownload *operator->() const { return download.get(); }
};

// The debug lines a committed download and a refused redirect write.
void expectCommitLine()
{
    QTest::ignoreMessage(QtDebugMsg, QRegularExpression(QStringLiteral("^download url")));
}
void expectRefusalLine()
{
    QTest::ignoreMessage(QtDebugMsg, QRegularExpression(QStringLiteral("^Re-direct not followed")));
}

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

    Watched watch(const QString &file, const QByteArray &declaration = "Download {}")
    {
        Watched watched{create(declaration), nullptr};
        watched->setDestination(target(file));
        watched.events = std::make_unique<Events>(watched.download.get());
        return watched;
    }

    QUrl url(const char *pathAndQuery) const { return m_server.url(QString::fromLatin1(pathAndQuery)); }
    QUrl target(const QString &name) const { return QUrl::fromLocalFile(m_dir.filePath(name)); }
    QString path(const QString &name) const { return m_dir.filePath(name); }

    static QByteArray contents(const QString &file)
    {
        QFile f(file);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<missing>");
    }

    // The work folder holds exactly these files: no destination appeared
    // early and no temporary file was left behind.
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

    void interfaceKeepsItsPublishedOrder()
    {
        const QMetaObject &meta = QuickDownload::staticMetaObject;
        QStringList methods;
        for (int i = meta.methodOffset(); i < meta.methodCount(); ++i)
            methods << QString::fromLatin1(meta.method(i).methodSignature());
        QCOMPARE(methods, (QStringList{"urlChanged()", "cancelChanged()", "runningChanged()", "progressChanged()",
                                       "destinationChanged()", "followRedirectsChanged()", "overwriteChanged()",
                                       "started()", "finished()", "redirected(QUrl)", "update(int,int)",
                                       "error(int,QString)", "networkAccessManagerChanged()", "start(QUrl)",
                                       "start()", "stop()", "onReadyRead()", "onFinished()",
                                       "onDownloadProgress(qlonglong,qlonglong)"}));
        QStringList properties;
        for (int i = meta.propertyOffset(); i < meta.propertyCount(); ++i)
            properties << QString::fromLatin1(meta.property(i).name());
        QCOMPARE(properties, (QStringList{"url", "running", "progress", "destination", "followRedirects", "overwrite"}));
        QCOMPARE(meta.enumerator(meta.indexOfEnumerator("Error")).keyToValue("ErrorNetwork"), 3);
        QCOMPARE(QuickDownloadMaster::staticMetaObject.property(QuickDownloadMaster::staticMetaObject.propertyOffset())
                     .name(),
                 "ready");
    }

    void aKnownLengthBodyIsCommittedOnce()
    {
        const QByteArray body = pattern(2500);
        m_server.route("/firmware.exe", LocalHttpServer::ok(body));
        auto download = watch("firmware.exe");
        Events &events = *download.events;
        QTest::ignoreMessage(QtDebugMsg,
                             QRegularExpression(QStringLiteral("^download url QUrl\\(\"file://.*/firmware.exe\"\\)$")));

        download->start(url("/firmware.exe"));
        QCOMPARE(events.log.mid(0, 2), (QStringList{"running 1", "started"}));
        QTRY_VERIFY_WITH_TIMEOUT(events.ended(), 10000);

        QCOMPARE(events.count("finished"), 1);
        QCOMPARE(events.count("error"), 0);
        QCOMPARE(events.matching("update").constLast(), QStringLiteral("update 2 2"));
        QCOMPARE(download->progress(), 1.0);
        QCOMPARE(events.log.mid(events.log.size() - 2), (QStringList{"running 0", "finished"}));
        QVERIFY(events.log.indexOf("progress 1") < events.log.indexOf("finished"));
        QCOMPARE(download->running(), false);
        QCOMPARE(contents(path("firmware.exe")), body);
        QCOMPARE(files(), QStringList{"firmware.exe"});
        QCOMPARE(download->url(), url("/firmware.exe"));
    }

    void aBodyWithoutTotalReportsNegativeProgress()
    {
        LocalHttpServer::Response unsized = LocalHttpServer::ok(pattern(300000));
        unsized.sendLength = false;
        m_server.route("/unsized", unsized);
        unsized.sendOnly = 20000;
        unsized.pauseMs = 200;
        m_server.route("/unsized-stalled", unsized);
        m_server.route("/empty", LocalHttpServer::ok(QByteArray()));

        // While the body comes in, nothing says how much is left.
        auto stalled = watch("unsized.bin");
        Events &stalledEvents = *stalled.events;
        stalled->start(url("/unsized-stalled"));
        QTRY_VERIFY_WITH_TIMEOUT(stalledEvents.count("update"), 10000);
        QCOMPARE(stalledEvents.matching("update"), QStringList{"update 20 0"});
        QCOMPARE(stalledEvents.progress, QList<double>{-1.0});
        stalled->stop();

        // A claimed total beyond what an int holds in kilobytes saturates.
        LocalHttpServer::Response boastful = unsized;
        boastful.headers.append(qMakePair(QByteArray("Content-Length"), QByteArray("1000000000000000000")));
        m_server.route("/boastful", boastful);
        auto huge = watch("huge.bin");
        Events &hugeEvents = *huge.events;
        huge->start(url("/boastful"));
        QTRY_VERIFY_WITH_TIMEOUT(hugeEvents.count("update"), 10000);
        QCOMPARE(hugeEvents.matching("update"), QStringList{"update 20 2147483647"});
        QVERIFY(huge->progress() > 0 && huge->progress() < 1e-6);
        huge->stop();

        // At its end the whole body is there.
        auto download = watch("unsized.bin");
        Events &events = *download.events;
        expectCommitLine();
        download->start(url("/unsized"));
        QTRY_VERIFY_WITH_TIMEOUT(events.ended(), 10000);
        QCOMPARE(events.count("finished"), 1);
        QCOMPARE(download->progress(), 1.0);
        QCOMPARE(contents(path("unsized.bin")), pattern(300000));

        // A total of 0 must not be divided by either.
        auto empty = watch("empty.bin");
        Events &emptyEvents = *empty.events;
        expectCommitLine();
        empty->start(url("/empty"));
        QTRY_VERIFY_WITH_TIMEOUT(emptyEvents.ended(), 10000);
        QCOMPARE(emptyEvents.count("finished"), 1);
        for (double value : emptyEvents.progress)
            QVERIFY(std::isfinite(value) && (value < 0 || value == 1.0));
        QVERIFY(QFileInfo::exists(path("empty.bin")));
        QCOMPARE(QFileInfo(path("empty.bin")).size(), 0);
    }

    void redirectsAreReportedAndFollowedOnlyWhenAllowed()
    {
        const QByteArray body = pattern(5000);
        m_server.route("/tool.exe", LocalHttpServer::ok(body));
        m_server.route("/moved", LocalHttpServer::redirect("/again", 301));
        m_server.route("/again", LocalHttpServer::redirect("tool.exe?v=2", 307));
        m_server.route("/loop", LocalHttpServer::redirect("/loop"));
        m_server.route("/local", LocalHttpServer::redirect("file:///etc/hostname"));

        // Not allowed: the redirect is reported, then refused, and nothing is written.
        auto refusing = watch("tool.exe");
        Events &refused = *refusing.events;
        expectRefusalLine();
        refusing->start(url("/moved"));
        QTRY_VERIFY_WITH_TIMEOUT(refused.ended(), 10000);
        QCOMPARE(refused.matching("redirected"), QStringList{"redirected " + url("/again").toString()});
        QCOMPARE(refused.log.constLast(), QStringLiteral("error 3 Re-directs not allowed"));
        QCOMPARE(refusing->running(), true);
        QCOMPARE(files(), QStringList());

        // Allowed: a chain of relative locations ends at the file.
        auto following = watch("tool.exe", "Download { followRedirects: true }");
        Events &followed = *following.events;
        expectCommitLine();
        following->start(url("/moved"));
        QTRY_VERIFY_WITH_TIMEOUT(followed.ended(), 10000);
        QCOMPARE(followed.count("finished"), 1);
        QCOMPARE(followed.count("started"), 3);
        QCOMPARE(following->url(), url("/tool.exe?v=2"));
        QCOMPARE(contents(path("tool.exe")), body);
        QCOMPARE(files(), QStringList{"tool.exe"});
        // The redirect pages' own bodies are not progress: it only rises, so
        // a page that stops on zero is not stopped between the hops.
        QVERIFY2(!followed.progress.isEmpty() && followed.progress.constFirst() > 0
                     && std::is_sorted(followed.progress.cbegin(), followed.progress.cend()),
                 qPrintable(followed.log.join('\n')));
        for (const QString &line : followed.matching("update"))
            QVERIFY(line.endsWith(QLatin1String(" 5")));

        // A loop ends after a bounded number of requests.
        QFile::remove(path("tool.exe"));
        const int before = m_server.requests().size();
        expectRefusalLine();
        following->start(url("/loop"));
        QTRY_VERIFY_WITH_TIMEOUT(followed.count("error") == 1, 10000);
        QCOMPARE(followed.log.constLast(), QStringLiteral("error 3 Too many re-directs"));
        QCOMPARE(m_server.requests().size() - before, QuickDownload::maxRedirects + 1);

        // A web server cannot hand over a local file.
        expectRefusalLine();
        following->start(url("/local"));
        QTRY_VERIFY_WITH_TIMEOUT(followed.count("error") == 2, 10000);
        QCOMPARE(followed.log.constLast(), QStringLiteral("error 3 Re-directs not allowed"));
        QCOMPARE(files(), QStringList());
    }

    void failuresLeaveNoFile()
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

        auto download = watch("out.bin");
        Events &events = *download.events;
        download->start(url("/fail"));
        QTRY_VERIFY_WITH_TIMEOUT(events.ended(), 10000);
        QVERIFY2(events.log.constLast().startsWith("error 3 ") && events.log.constLast().contains("Internal Server Error"),
                 qPrintable(events.log.constLast()));
        QCOMPARE(files(), QStringList());

        download->start(url("/cut"));
        QTRY_VERIFY_WITH_TIMEOUT(events.count("error") == 2, 10000);
        QVERIFY(events.log.constLast().startsWith("error 3 "));
        QCOMPARE(events.count("finished"), 0);
        QCOMPARE(files(), QStringList());

        // Nobody listens on a closed port.
        LocalHttpServer closed;
        QVERIFY(closed.start());
        const QUrl nowhere = closed.url(QStringLiteral("/x"));
        closed.close();
        download->start(nowhere);
        QTRY_VERIFY_WITH_TIMEOUT(events.count("error") == 3, 10000);
        QVERIFY(events.log.constLast().startsWith("error 3 "));

        // A handler that tries again at once keeps its new download.
        QMetaObject::Connection retry =
            connect(download.download.get(), &QuickDownload::error, this,
                    [&download, this] { download->start(url("/good")); });
        expectCommitLine();
        download->start(url("/fail"));
        QTRY_VERIFY_WITH_TIMEOUT(events.count("finished") == 1, 10000);
        disconnect(retry);
        QCOMPARE(contents(path("out.bin")), QByteArray("good"));
    }

    void startChecksItsInputsBeforeAnyRequest()
    {
        m_server.route("/new", LocalHttpServer::ok("new"));
        const QUrl fresh = url("/new");
        const int before = m_server.requests().size();

        // Not yet complete: a download built in C++ waits for its declaration.
        QuickDownload bare;
        bare.setDestination(target("bare.bin"));
        Events bareEvents(&bare);
        bare.start(fresh);
        QCOMPARE(bareEvents.log, QStringList());

        auto download = create();
        Events events(download.get());
        download->start(QUrl());
        download->start(fresh);
        download->setDestination(target("existing.bin"));
        QFile existing(path("existing.bin"));
        QVERIFY(existing.open(QIODevice::WriteOnly) && existing.write("old") == 3);
        existing.close();
        download->start(fresh);
        QCOMPARE(events.matching("error"),
                 (QStringList{"error 1 Url is empty", "error 2 Destination is empty",
                              QStringLiteral("error 2 Overwriting not allowed for destination file \"%1\"")
                                  .arg(path("existing.bin"))}));
        QCOMPARE(m_server.requests().size(), before);
        QCOMPARE(contents(path("existing.bin")), QByteArray("old"));

        download->setOverwrite(true);
        expectCommitLine();
        download->start();
        QTRY_VERIFY_WITH_TIMEOUT(events.count("finished") == 1, 10000);
        QCOMPARE(contents(path("existing.bin")), QByteArray("new"));

        download->setDestination(target("no-such-folder/x.bin"));
        download->start();
        QCOMPARE(events.count("error 2 "), 3);
        QCOMPARE(m_server.requests().size(), before + 1);
    }

    void stopAndDestructionLeaveNoFile()
    {
        LocalHttpServer::Response stalled = LocalHttpServer::ok(pattern(100000));
        stalled.sendOnly = 30000;
        stalled.pauseMs = 200;
        m_server.route("/stall", stalled);

        auto download = watch("stalled.bin");
        Events &events = *download.events;
        download->start(url("/stall"));
        QTRY_VERIFY2_WITH_TIMEOUT(events.progress.contains(0.3), qPrintable(events.log.join(" | ")), 10000);
        QCOMPARE(events.matching("update").constLast(), QStringLiteral("update 30 100"));
        QCOMPARE(files(), QStringList()); // the destination appears only when complete

        download->stop();
        QCOMPARE(download->running(), false);
        QCOMPARE(events.log.mid(events.log.size() - 2), (QStringList{"error 3 Operation canceled", "running 0"}));
        download->stop();
        QCOMPARE(events.count("running 0"), 1);
        QTest::qWait(200);
        QCOMPARE(events.count("finished"), 0);
        QCOMPARE(files(), QStringList());

        download->start();
        QTRY_VERIFY_WITH_TIMEOUT(events.count("progress 0.3") == 2, 10000);
        download.download.reset(); // destroyed while the body stalls
        QTest::qWait(200);
        QCOMPARE(files(), QStringList());
    }

    void aDeclarationWithRunningStartsOnceWhenComplete()
    {
        m_server.route("/declared", LocalHttpServer::ok(pattern(1500)));
        const int before = m_server.requests().size();
        QQmlComponent component(&m_engine);
        component.setData(QStringLiteral("import com.vemo.quickdownload 1.0\n"
                                         "Download { running: true; url: \"%1\"; destination: \"%2\" }")
                              .arg(url("/declared").toString(),
                                   target("declared.bin").toString())
                              .toUtf8(),
                          QUrl());
        std::unique_ptr<QuickDownload> download(qobject_cast<QuickDownload *>(component.beginCreate(m_engine.rootContext())));
        QVERIFY(download);
        Events events(download.get());
        expectCommitLine();
        component.completeCreate();
        QTRY_VERIFY_WITH_TIMEOUT(events.ended(), 10000);
        QCOMPARE(events.count("started"), 1);
        QCOMPARE(events.count("finished"), 1);
        QCOMPARE(m_server.requests().size(), before + 1);
        QCOMPARE(contents(path("declared.bin")), pattern(1500));
    }

    void secureDownloadsNeverContinueInPlainText()
    {
        // A certificate of this test's own, trusted by this process only, so
        // the component's ordinary certificate checks stay on.
        QProcess openssl;
        openssl.setWorkingDirectory(m_dir.path());
        openssl.start(QStringLiteral("openssl"),
                      {"req", "-x509", "-newkey", "rsa:2048", "-nodes", "-keyout", "tls.key", "-out", "tls.crt",
                       "-days", "2", "-subj", "/CN=127.0.0.1", "-addext", "subjectAltName=IP:127.0.0.1"});
        QVERIFY(openssl.waitForFinished(60000) && openssl.exitCode() == 0);
        QFile certificateFile(path("tls.crt"));
        QFile keyFile(path("tls.key"));
        QVERIFY(certificateFile.open(QIODevice::ReadOnly) && keyFile.open(QIODevice::ReadOnly));
        const QSslCertificate certificate(&certificateFile);
        const QSslKey key(&keyFile, QSsl::Rsa);
        certificateFile.remove();
        keyFile.remove();
        QSslConfiguration trusting = QSslConfiguration::defaultConfiguration();
        trusting.setCaCertificates(trusting.caCertificates() << certificate);
        QSslConfiguration::setDefaultConfiguration(trusting);

        LocalHttpServer secure;
        QVERIFY(secure.startTls(certificate, key));
        const QByteArray body = pattern(4000);
        m_server.route("/plain.exe", LocalHttpServer::ok(body));
        secure.route("/tool.exe", LocalHttpServer::ok(body));
        secure.route("/same", LocalHttpServer::redirect("/tool.exe"));
        secure.route("/down", LocalHttpServer::redirect(url("/plain.exe").toEncoded()));

        auto download = watch("tool.exe", "Download { followRedirects: true }");
        Events &events = *download.events;
        expectCommitLine();
        download->start(secure.url(QStringLiteral("/same")));
        QTRY_VERIFY_WITH_TIMEOUT(events.ended(), 20000);
        QCOMPARE(events.log.constLast(), QStringLiteral("finished"));
        QCOMPARE(contents(path("tool.exe")), body);
        QFile::remove(path("tool.exe"));

        const int plainRequests = m_server.requests().size();
        expectRefusalLine();
        download->start(secure.url(QStringLiteral("/down")));
        QTRY_VERIFY_WITH_TIMEOUT(events.count("error") == 1, 20000);
        QCOMPARE(events.log.mid(events.log.size() - 2),
                 (QStringList{"redirected " + url("/plain.exe").toString(),
                              "error 3 Re-directs not allowed"}));
        QCOMPARE(m_server.requests().size(), plainRequests);
        QCOMPARE(files(), QStringList());
        QCOMPARE(secure.requests(), (QStringList{"/same", "/tool.exe", "/down"}));
    }
};

QTEST_GUILESS_MAIN(DownloadTest)
#include "tst_quickdownload.moc"
