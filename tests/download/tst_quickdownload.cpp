// The download component against the virtual switch's firmware service on
// 127.0.0.1 (tools/kvm-sim): what it reports, when the destination file
// appears (never over a file that appeared meanwhile), which redirects it
// and the interface's network access follow, and the answers it refuses.

#include "Download/GuardedNetworkAccess.h"
#include "Download/quickdownload.h"
#include "FirmwareService.h"
#include "SimSwitch.h"
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
    QTemporaryDir m_files; // what the services serve
    // The offered files by model: "MODEL_1.exe" asks for MODEL's.
    QHash<QString, SwitchSpec> m_specs;
    std::unique_ptr<FirmwareService> m_service;

    SpecByModel specOf()
    {
        return [this](const QString &model) { return m_specs.contains(model) ? &m_specs[model] : nullptr; };
    }
    void offer(const QString &model, const QString &faults = QString())
    {
        SwitchSpec spec;
        spec.model = model;
        QVERIFY(applySpec(faults, spec, nullptr));
        m_specs.insert(model, spec);
    }
    std::unique_ptr<Watched> watch(const QString &file, const QByteArray &declaration = "Download {}")
    {
        QQmlComponent component(&m_engine);
        component.setData("import com.vemo.quickdownload 1.0\n" + declaration, QUrl());
        auto watched = std::make_unique<Watched>(qobject_cast<QuickDownload *>(component.create()));
        watched->d->setDestination(target(file));
        return watched;
    }
    QUrl url(const QString &model, const FirmwareService &service) const
    {
        return QUrl(service.baseUrl() + "/portline/files/" + model + "_1.exe");
    }
    QUrl url(const QString &model) const { return url(model, *m_service); }
    QUrl target(const QString &name) const { return QUrl::fromLocalFile(m_dir.filePath(name)); }
    QByteArray contents(const QString &name) const { return fixture::readAll(m_dir.filePath(name)); }
    // No destination appears early and no temporary file is left behind.
    QStringList files() const { return QDir(m_dir.path()).entryList(QDir::Files | QDir::Hidden, QDir::Name); }

private slots:
    void initTestCase()
    {
        qmlRegisterType<QuickDownload>("com.vemo.quickdownload", 1, 0, "Download");
        QVERIFY(m_dir.isValid() && m_files.isValid());
        QVERIFY(fixture::writeAll(m_files.filePath("tool.exe"), pattern(300500)));
        QVERIFY(fixture::writeAll(m_files.filePath("empty.exe"), QByteArray()));
        m_service = std::make_unique<FirmwareService>(specOf(), m_files.filePath("tool.exe"));
        QString error;
        QVERIFY2(m_service->listen(0, &error), qPrintable(error));
    }

    void cleanup()
    {
        for (const QString &file : files())
            QFile::remove(m_dir.filePath(file));
    }

    // Larger than the component's read buffer; kilobytes of 1000 bytes, rounded down.
    void bodiesAreCommittedOnce()
    {
        offer("A");
        auto known = watch("firmware.exe");
        QTest::ignoreMessage(QtDebugMsg, QRegularExpression(QStringLiteral("^download url QUrl\\(\"file://.*/firmware.exe\"\\)$")));
        QVERIFY(known->run(url("A")));
        QCOMPARE(known->events, (QStringList{"started", kFinished}));
        QCOMPARE(known->updates.last(), QStringLiteral("300 300"));
        QCOMPARE(contents("firmware.exe"), pattern(300500));

        // A total of 0 must not be divided by.
        FirmwareService emptyFiles(specOf(), m_files.filePath("empty.exe"));
        QString error;
        QVERIFY2(emptyFiles.listen(0, &error), qPrintable(error));
        auto empty = watch("empty.bin");
        QVERIFY(empty->run(url("A", emptyFiles)));
        QCOMPARE(empty->events, (QStringList{"started", kFinished}));
        for (double value : empty->progress)
            QVERIFY(std::isfinite(value) && (value < 0 || value == 1.0));
        QCOMPARE(contents("empty.bin"), QByteArray());
        QCOMPARE(files(), (QStringList{"empty.bin", "firmware.exe"}));
    }

    // Every hop is held to the rule of the first address: https anywhere,
    // plain http only to a loopback host and only where allowed.
    void redirectsAreReportedAndFollowedOnlyWhenAllowed()
    {
        offer("T");
        offer("N", "redirect=T_1.exe?v=2");
        offer("M", "redirect=/portline/files/N_1.exe");
        offer("L", "redirect=/portline/files/L_1.exe");
        offer("F", "redirect=file:///etc/hostname");
        offer("H", "redirect=http://files.vemo.example.com/portline/files/T_1.exe");
        const QUrl toolUrl(m_service->baseUrl() + "/portline/files/T_1.exe?v=2");
        const QString toN = "to " + url("N").toString(), toTool = "to " + toolUrl.toString();
        const QString refused = QStringLiteral("3 Re-directs not allowed");

        auto refusing = watch("tool.exe");
        QVERIFY(refusing->run(url("M")));
        QCOMPARE(refusing->events, (QStringList{"started", toN, refused}));
        // Plain http, even to this machine, only where the owner allows it.
        auto secureOnly = watch("tool.exe", "Download { followRedirects: true }");
        QVERIFY(secureOnly->run(url("M")));
        QCOMPARE(secureOnly->events, (QStringList{"started", toN, refused}));
        QCOMPARE(files(), QStringList());

        // Allowed: a chain of relative locations ends at the file; the
        // redirect pages' own bodies are no progress (nor update, sent with
        // it), so it only rises.
        auto following = watch("tool.exe", "Download { followRedirects: true; plainLoopback: true }");
        QVERIFY(following->run(url("M")));
        QCOMPARE(following->events, (QStringList{"started", toN, "started", toTool, "started", kFinished}));
        QCOMPARE(following->d->url(), toolUrl);
        QCOMPARE(contents("tool.exe"), pattern(300500));
        QVERIFY(!following->progress.isEmpty() && following->progress.constFirst() > 0
                && std::is_sorted(following->progress.cbegin(), following->progress.cend()));

        // A loop ends after a bounded number of requests; a web server
        // cannot hand over a local file, nor send the download on to
        // another host in plain text.
        QFile::remove(m_dir.filePath("tool.exe"));
        QVERIFY(following->run(url("L")));
        QCOMPARE(following->events.last(), QStringLiteral("3 Too many re-directs"));
        QCOMPARE(following->events.count("started"), 3 + QuickDownload::maxRedirects + 1);
        for (const char *model : {"F", "H"}) {
            QTest::ignoreMessage(QtDebugMsg, QRegularExpression(QStringLiteral("^Re-direct not followed")));
            QVERIFY(following->run(url(model)));
            QCOMPARE(following->events.last(), refused);
        }
        QCOMPARE(files(), QStringList());

        // The interface's own requests (the firmware query's XMLHttpRequest
        // follows redirects itself, hop by hop): the same rule for each.
        QQmlEngine engine;
        GuardedNetworkAccessFactory guarded(true);
        engine.setNetworkAccessManagerFactory(&guarded);
        QQmlComponent fetcher(&engine);
        fetcher.setData("import QtQml 2.15\n"
                        "QtObject { property string answer: \"\"\n"
                        "  function fetch(url) { answer = \"\"; var r = new XMLHttpRequest(); r.open(\"GET\", url)\n"
                        "    r.onreadystatechange = function() { if (r.readyState === XMLHttpRequest.DONE)\n"
                        "      answer = r.status + \" \" + r.responseText.length } ; r.send() } }",
                        QUrl());
        std::unique_ptr<QObject> xhr(fetcher.create());
        QVERIFY2(xhr, qPrintable(fetcher.errorString()));
        const auto fetch = [&](const QUrl &address) {
            QMetaObject::invokeMethod(xhr.get(), "fetch", Q_ARG(QVariant, address.toString()));
            return QTest::qWaitFor([&] { return !xhr->property("answer").toString().isEmpty(); }, 10000)
                       ? xhr->property("answer").toString() : QStringLiteral("no answer");
        };
        QCOMPARE(fetch(url("M")), QStringLiteral("200 300500"));
        QTest::ignoreMessage(QtDebugMsg, QRegularExpression(QStringLiteral("^Network request refused \\(plain http to another host\\)")));
        QCOMPARE(fetch(url("H")), QStringLiteral("0 0"));
        GuardedNetworkAccessFactory secure(false);
        QQmlEngine secureEngine;
        secureEngine.setNetworkAccessManagerFactory(&secure);
        QTest::ignoreMessage(QtDebugMsg, QRegularExpression(QStringLiteral("^Network request refused \\(plain http\\)")));
        QCOMPARE(secureEngine.networkAccessManager()->get(QNetworkRequest(url("T")))->error(), QNetworkReply::ProtocolUnknownError);
    }
    // A server error, an answer without its length where one is required
    // and a trickle that never gets anywhere fail as a stop does
    // (stopAndDestructionLeaveNoFile): nothing is left.
    void failuresAndRefusedInputsLeaveNoFile()
    {
        offer("E", "offer-file=error");
        auto download = watch("out.bin");
        QVERIFY(download->run(url("E")));
        QVERIFY2(download->events.size() == 2 && download->events.last().startsWith("3 ")
                     && download->events.last().contains("Server Error"), qPrintable(download->events.join('\n')));
        QCOMPARE(files(), QStringList());

        offer("U", "offer-file=nolength");
        auto unmeasured = watch("out.bin", "Download { requireLength: true }");
        QTest::ignoreMessage(QtDebugMsg, QRegularExpression(QStringLiteral("^Download refused, no length given")));
        QVERIFY(unmeasured->run(url("U")));
        QCOMPARE(unmeasured->events, (QStringList{"started", "3 No length given"}));
        QCOMPARE(files(), QStringList());

        // Ten bytes a second keep the progress moving, never 1000 bytes in
        // the limit's time.
        offer("P", "offer-file=drip");
        auto drip = watch("out.bin", "Download { stallTimeout: 1500 }");
        QElapsedTimer clock;
        clock.start();
        QTest::ignoreMessage(QtDebugMsg, QRegularExpression(QStringLiteral("^Download stalled")));
        QVERIFY(drip->run(url("P")));
        QCOMPARE(drip->events, (QStringList{"started", "3 Download stalled"}));
        QVERIFY2(clock.elapsed() < 5000 && drip->progress.size() > 2, qPrintable(QString::number(clock.elapsed())));
        QCOMPARE(files(), QStringList());

        // Inputs are checked before any request.
        QVERIFY(fixture::writeAll(m_dir.filePath("out.bin"), QByteArray()));
        offer("G");
        auto checked = watch("out.bin");
        QuickDownload &d = *checked->d;
        d.setDestination(QUrl());
        d.start(QUrl());
        d.start(url("G"));
        d.setDestination(target("out.bin"));
        d.start(url("G"));
        d.setDestination(target("no-such-folder/x.bin"));
        d.start();
        QCOMPARE(checked->events.mid(0, 3), (QStringList{"1 Url is empty", "2 Destination is empty",
                                                         "2 Overwriting not allowed for destination file \"" + m_dir.filePath("out.bin") + '"'}));
        QVERIFY(checked->events.size() == 4 && checked->events.last().startsWith("2 ")); // no folder to write into
        d.setDestination(target("out.bin"));
        d.setOverwrite(true);
        QVERIFY(checked->run());
        QCOMPARE(contents("out.bin"), pattern(300500));

        // A file made at the destination while the body comes (in pieces
        // over a second) is the user's: it stays.
        auto late = watch("late.bin");
        late->d->start(url("G"));
        QVERIFY(fixture::writeAll(m_dir.filePath("late.bin"), "the user's own file"));
        QTRY_COMPARE_WITH_TIMEOUT(late->ends(), 1, 10000);
        QVERIFY2(late->events.size() == 2 && late->events.last().startsWith("2 Overwriting not allowed"), qPrintable(late->events.join('\n')));
        QCOMPARE(contents("late.bin"), QByteArray("the user's own file"));
        QCOMPARE(files(), (QStringList{"late.bin", "out.bin"}));
    }

    void stopAndDestructionLeaveNoFile()
    {
        offer("S");
        const auto midway = [](const Watched &w) {
            return std::any_of(w.progress.cbegin(), w.progress.cend(), [](double p) { return p > 0 && p < 1; });
        };
        auto download = watch("stalled.bin");
        QSignalSpy runningChanged(download->d.get(), &QuickDownload::runningChanged);
        download->d->start(url("S"));
        QTRY_VERIFY_WITH_TIMEOUT(midway(*download), 10000);
        QCOMPARE(files(), QStringList()); // the destination appears only when complete

        download->d->stop();
        download->d->stop();
        QCOMPARE(runningChanged.count(), 2); // on, then off
        QTest::qWait(200);
        QCOMPARE(download->events, (QStringList{"started", "3 Operation canceled"}));
        QCOMPARE(files(), QStringList());

        download->progress.clear();
        download->d->start();
        QTRY_VERIFY_WITH_TIMEOUT(midway(*download), 10000);
        download->d.reset(); // destroyed while the body comes
        QTest::qWait(200);
        QCOMPARE(files(), QStringList());
    }
};

QTEST_GUILESS_MAIN(DownloadTest)
#include "tst_quickdownload.moc"
