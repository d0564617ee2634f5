// Several copies of the real program under an X server of their own: what a
// later copy hands over, what the first copy logs, whether the first copy's
// window really takes the focus from a window covering the screen, a first
// copy that was killed, and "-exit" ending the copy that runs.

#include "QSingleApplication.h"
#include "TestFixture.h"

#include <QRegularExpression>
#include <QWindow>
#include <QtTest>

namespace {

const QString kDate = QStringLiteral(R"(Date: \d{4}-\d\d-\d\d \d\d:\d\d:\d\d, )");
const QString kStartLine = kDate + QStringLiteral(R"(Debug: ".*/vemo-portview" \(main\.cpp:\d+\))");

QString valueLine(const QString &word)
{
    return kDate + QStringLiteral(R"(Debug: "The value is: %1" \(Lib/QSingleApplication\.cpp:\d+\))").arg(QRegularExpression::escape(word));
}

int count(const QStringList &lines, const QString &pattern)
{
    return lines.filter(QRegularExpression(QRegularExpression::anchoredPattern(pattern))).size();
}

// What xdotool answers; an empty text when it finds nothing.
QString xdotool(const QStringList &args)
{
    QProcess process;
    process.start(QStringLiteral("xdotool"), args);
    process.waitForFinished(10000);
    return QString::fromLatin1(process.readAllStandardOutput()).trimmed();
}

QString shownWindowOf(const QProcess &program)
{
    return xdotool({"search", "--onlyvisible", "--pid", QString::number(program.processId()), "--name", "."});
}

} // namespace

class SingleInstanceTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { fixture::nameAsTheProgram(); }

    void laterCopiesHandOverTheirLastArgumentAndBringTheFirstForward()
    {
        QProcess first;
        QVERIFY(fixture::startProgram(first, {QStringLiteral("-h")}));
        QTRY_COMPARE_WITH_TIMEOUT(count(fixture::programLog(), kStartLine), 1, 10000);
        QVERIFY(shownWindowOf(first).isEmpty());

        QWindow cover;
        cover.setGeometry(0, 0, 1280, 1024);
        const struct { QStringList arguments; QString logged; } copies[] = {
            {{QStringLiteral("-h"), QStringLiteral("--verbose"), QStringLiteral("last")}, QStringLiteral("last")},
            {{QStringLiteral("first word")}, QStringLiteral("first")},
            {{}, QString()},
        };
        for (const auto &copy : copies) {
            cover.show();
            const QString id = QString::number(cover.winId());
            QTRY_VERIFY(cover.isExposed());
            xdotool({"windowraise", id, "windowfocus", "--sync", id});
            QTRY_COMPARE(xdotool({"getwindowfocus"}), id);
            const int before = fixture::programLog().size();
            QVERIFY(fixture::runProgramToEnd(copy.arguments));
            QTRY_COMPARE_WITH_TIMEOUT(count(fixture::programLog().mid(before), valueLine(copy.logged)), 1, 10000);
            const QStringList added = fixture::programLog().mid(before);
            QCOMPARE(added.filter(QStringLiteral("The value is:")).size(), 1);
            QCOMPARE(count(added, kDate + R"(Debug: Have already connected to server\. \(Lib/QSingleApplication\.cpp:\d+\))"), 1);
            QCOMPARE(count(added, kStartLine), 1); // the later copy's own start
            // The first copy's window shows and has the focus.
            QTRY_VERIFY_WITH_TIMEOUT(!shownWindowOf(first).isEmpty(), 10000);
            QTRY_COMPARE_WITH_TIMEOUT(xdotool({"getwindowfocus"}), shownWindowOf(first), 10000);
            QCOMPARE(first.state(), QProcess::Running);
        }
        fixture::stopProgram(first);
    }

    void aCopyThatDiedDoesNotBlockTheNext()
    {
        QProcess dead;
        QVERIFY(fixture::startProgram(dead));
        QTRY_VERIFY_WITH_TIMEOUT(!shownWindowOf(dead).isEmpty(), 10000);
        dead.kill();
        QVERIFY(dead.waitForFinished(5000));
        QVERIFY(QFile::exists(QSingleApplication::serverName()));
        const int earlierRun = fixture::programLog().size();

        QProcess next;
        QVERIFY(fixture::startProgram(next));
        QTRY_VERIFY_WITH_TIMEOUT(!shownWindowOf(next).isEmpty(), 10000);
        QVERIFY(fixture::runProgramToEnd({QStringLiteral("again")}));
        QTRY_COMPARE_WITH_TIMEOUT(count(fixture::programLog().mid(earlierRun), valueLine(QStringLiteral("again"))), 1, 10000);
        fixture::stopProgram(next);
    }

    void exitEndsTheCopyThatRuns()
    {
        QProcess first;
        QVERIFY(fixture::startProgram(first) && !first.waitForFinished(1000));
        QVERIFY(fixture::runProgramToEnd({QStringLiteral("-exit")}));
        QVERIFY(first.waitForFinished(5000));
    }
};

QTEST_MAIN(SingleInstanceTest)
#include "tst_singleinstance.moc"
