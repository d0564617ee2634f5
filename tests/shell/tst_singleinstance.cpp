// Several copies of the real program under an X server of their own: what a
// later copy hands over, what the first copy logs, and whether the first
// copy's window really comes to the front.

#include "TestFixture.h"
#include "ProgramRun.h"
#include "QSingleApplication.h"
#include "XServerProbe.h"

#include <QElapsedTimer>
#include <QFile>
#include <QRegularExpression>
#include <QThread>
#include <QtTest>

#include <functional>

namespace {

const QString kDate = QStringLiteral(R"(Date: \d{4}-\d\d-\d\d \d\d:\d\d:\d\d, )");
const QString kStartLine = kDate + QStringLiteral(R"(Debug: ".*/vemo-portview" \(main\.cpp:\d+\))");

QString valueLine(const QString &word)
{
    return kDate + QStringLiteral(R"(Debug: "The value is: %1" \(Lib/QSingleApplication\.cpp:\d+\))")
                       .arg(QRegularExpression::escape(word));
}

bool waitUntil(const std::function<bool()> &condition, int timeoutMs = 10000)
{
    QElapsedTimer timer;
    timer.start();
    while (!condition()) {
        if (timer.elapsed() > timeoutMs)
            return false;
        QThread::msleep(20);
    }
    return true;
}

} // namespace

class SingleInstanceTest : public QObject
{
    Q_OBJECT

private:
    XServerProbe m_x;

    // Waits for the first copy to show its window and returns it.
    Window shownWindowOf(const QProcess &program)
    {
        Window window = 0;
        waitUntil([&] {
            window = m_x.windowOf(program.processId());
            return window && m_x.isViewable(window);
        });
        return window;
    }

    bool isInFront(Window window) const
    {
        return window && m_x.isViewable(window) && m_x.topmostViewable() == window && m_x.focus() == window;
    }

private slots:
    void initTestCase()
    {
        QVERIFY(m_x.isOpen());
        fixture::nameAsTheProgram();
    }

    void laterCopiesHandOverTheirLastArgumentAndShowNothing()
    {
        QProcess first;
        QVERIFY(ProgramRun::start(first));
        const Window window = shownWindowOf(first);
        QVERIFY(window);

        const struct
        {
            QStringList arguments;
            QString logged;
        } copies[] = {
            {{QStringLiteral("-h")}, QStringLiteral("-h")},
            {{QStringLiteral("-h"), QStringLiteral("--verbose"), QStringLiteral("last")}, QStringLiteral("last")},
            {{QStringLiteral("first word")}, QStringLiteral("first")},
            {{}, QString()},
        };
        for (const auto &copy : copies) {
            const int linesBefore = ProgramRun::logLines().size();
            m_x.takeMappedWindows();
            QProcess later;
            QVERIFY(ProgramRun::runToEnd(later, copy.arguments));
            QCOMPARE(later.exitStatus(), QProcess::NormalExit);
            QCOMPARE(later.exitCode(), 0);

            const QString line = ProgramRun::waitForLogLine(valueLine(copy.logged), 10000, linesBefore);
            QVERIFY2(!line.isEmpty(), qPrintable(ProgramRun::logLines().mid(linesBefore).join('\n')));
            const QStringList added = ProgramRun::logLines().mid(linesBefore);
            QCOMPARE(added.filter(QRegularExpression(QStringLiteral("The value is:"))).size(), 1);
            QCOMPARE(added.filter(QRegularExpression(QRegularExpression::anchoredPattern(
                                      kDate
                                      + QStringLiteral(R"(Debug: Have already connected to server\. )"
                                                       R"(\(Lib/QSingleApplication\.cpp:\d+\))"))))
                         .size(),
                     1);
            // The later copy never mapped a window of its own.
            QCOMPARE(m_x.takeMappedWindows(), QList<Window>());
            QCOMPARE(first.state(), QProcess::Running);
        }
        ProgramRun::stop(first);
    }

    void eachLaterCopyBringsTheFirstToTheFront()
    {
        QProcess first;
        const int linesBefore = ProgramRun::logLines().size();
        QVERIFY(ProgramRun::start(first, {QStringLiteral("-h")}));
        QVERIFY(!ProgramRun::waitForLogLine(kStartLine, 10000, linesBefore).isEmpty());
        QThread::msleep(500);
        const Window hidden = m_x.windowOf(first.processId());
        QVERIFY(!hidden || !m_x.isViewable(hidden));

        for (int copy = 2; copy <= 3; ++copy) {
            m_x.coverScreen();
            QCOMPARE(m_x.topmostViewable(), m_x.cover());
            QCOMPARE(m_x.focus(), m_x.cover());

            QProcess later;
            QVERIFY(ProgramRun::runToEnd(later, {}));
            QCOMPARE(later.exitCode(), 0);
            const bool inFront = waitUntil([&] { return isInFront(m_x.windowOf(first.processId())); });
            const Window window = m_x.windowOf(first.processId());
            QVERIFY2(inFront, qPrintable(QStringLiteral("copy %1 did not bring the first forward: window %2 "
                                                        "viewable %3, topmost %4, focus %5, cover %6")
                                             .arg(copy)
                                             .arg(window)
                                             .arg(m_x.isViewable(window))
                                             .arg(m_x.topmostViewable())
                                             .arg(m_x.focus())
                                             .arg(m_x.cover())));
        }
        QCOMPARE(first.state(), QProcess::Running);
        ProgramRun::stop(first);
    }

    void aCopyThatDiedDoesNotBlockTheNext()
    {
        QProcess dead;
        const int linesBefore = ProgramRun::logLines().size();
        QVERIFY(ProgramRun::start(dead));
        QVERIFY(shownWindowOf(dead));
        dead.kill();
        QVERIFY(dead.waitForFinished(5000));
        QVERIFY(QFile::exists(QSingleApplication::serverName()));
        const QStringList earlierRun = ProgramRun::logLines();

        QProcess next;
        QVERIFY(ProgramRun::start(next));
        QVERIFY(shownWindowOf(next));
        QProcess later;
        QVERIFY(ProgramRun::runToEnd(later, {QStringLiteral("again")}));
        QCOMPARE(later.exitCode(), 0);
        QVERIFY(!ProgramRun::waitForLogLine(valueLine(QStringLiteral("again")), 10000, earlierRun.size()).isEmpty());

        // Both runs wrote to the same file; the earlier lines stayed.
        const QStringList lines = ProgramRun::logLines();
        QCOMPARE(lines.mid(0, earlierRun.size()), earlierRun);
        QCOMPARE(lines.mid(linesBefore).filter(QRegularExpression(QRegularExpression::anchoredPattern(kStartLine))).size(),
                 3);
        ProgramRun::stop(next);
    }
};

QTEST_GUILESS_MAIN(SingleInstanceTest)
#include "tst_singleinstance.moc"
