// The log handler in this process and in a child process: the exact line of
// each message type, what is dropped, and what survives a fatal message.

#include "TestFixture.h"
#include "QLogger.h"
#include "AppDataPath.h"

#include <QDateTime>
#include <QDir>
#include <QProcess>
#include <QRegularExpression>
#include <QThread>
#include <QtTest>

namespace {

QByteArray readLog() { return fixture::readAll(QLogger::logFilePath()); }

// The log and the time (to the second) before a test's messages.
struct Mark
{
    QByteArray log = readLog();
    QDateTime time = QDateTime::currentDateTime().addSecs(-1);
};

// The lines added to log.txt since `mark`, each without its date, which
// must be the time it was written.
QStringList addedLines(const Mark &mark)
{
    const QByteArray log = readLog();
    if (!log.startsWith(mark.log) || !log.endsWith(")\n"))
        return {QStringLiteral("not an appended log of whole lines")};
    QStringList lines;
    for (const QString &line : QString::fromLocal8Bit(log.mid(mark.log.size())).split('\n', Qt::SkipEmptyParts)) {
        const QDateTime date = QDateTime::fromString(line.mid(6, 19), QStringLiteral("yyyy-MM-dd hh:mm:ss"));
        const bool dated = line.startsWith(QLatin1String("Date: ")) && date >= mark.time && date <= QDateTime::currentDateTime();
        lines << (dated ? line.mid(25) : QStringLiteral("wrongly dated: ") + line);
    }
    return lines;
}

} // namespace

class LoggerTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        fixture::nameAsTheProgram(); // log.txt's path: tst_singleinstance reads the program's log there
        ensureAppDataPath();
        QLogger::start();
    }

    void cleanupTestCase() { QLogger::finish(); }

    // Debug lines with their source: the threads below.
    void eachTypeWritesItsOwnLineAndWhatIsDroppedNone()
    {
        const Mark mark;
        const QString function = QString::fromLatin1(Q_FUNC_INFO);
        // clang-format off
        const int infoLine = __LINE__; qInfo() << QStringLiteral("a QString") << 7;
        const int criticalLine = __LINE__; qCritical("%s", "critical text");
        // clang-format on
        qWarning("A warning.");
        QMessageLogger().debug("from a library without context");
        QMessageLogger().info("info without context");
        QCOMPARE(addedLines(mark), (QStringList{
            QStringLiteral(", Info: \"a QString\" 7 (tests/shell/tst_logger.cpp:%1, %2)").arg(infoLine).arg(function),
            QStringLiteral(", Critical: critical text (tests/shell/tst_logger.cpp:%1, %2)").arg(criticalLine).arg(function),
            QStringLiteral(", Debug: from a library without context ((null):0)"),
            QStringLiteral(", Info: info without context ((null):0, (null))")}));

        // Without its folder a message is lost quietly.
        const QString folder = appDataPath();
        QVERIFY(QDir().rename(folder, folder + QStringLiteral(".aside")));
        qDebug("Nobody will read this.");
        const bool created = QDir(folder).exists();
        QVERIFY(QDir().rename(folder + QStringLiteral(".aside"), folder));
        QVERIFY(!created);
        QVERIFY(!readLog().contains("Nobody will read this."));
    }

    void messagesFromSeveralThreadsStayWholeLines()
    {
        const Mark mark;
        QList<QThread *> threads;
        for (int t = 0; t < 4; ++t) {
            threads.append(QThread::create([t] {
                for (int i = 0; i < 200; ++i)
                    qDebug("thread %d message %d", t, i);
            }));
            threads.last()->start();
        }
        for (QThread *thread : threads)
            QVERIFY(thread->wait(20000));
        qDeleteAll(threads);
        const QStringList lines = addedLines(mark);
        QCOMPARE(lines.size(), 4 * 200);
        static const QRegularExpression whole(QRegularExpression::anchoredPattern(
            QStringLiteral(R"(, Debug: thread \d message \d+ \(tests/shell/tst_logger\.cpp:\d+\))")));
        for (const QString &line : lines)
            QVERIFY2(whole.match(line).hasMatch(), qPrintable(line));
    }

    // Runs appending to one log: tst_singleinstance.
    void aFatalMessageIsWrittenBeforeTheEnd()
    {
        const Mark mark;
        QProcess child;
        child.start(QStringLiteral(LOGGER_CHILD), QStringList());
        QVERIFY(child.waitForFinished(20000));
        QCOMPARE(child.exitStatus(), QProcess::CrashExit);
        const QStringList lines = addedLines(mark);
        static const QRegularExpression fatal(QRegularExpression::anchoredPattern(QStringLiteral(
            R"(, Fatal: Stopping here: no way on \(tests/shell/logger_child\.cpp:\d+, int main\(int, char\*\*\)\))")));
        QVERIFY2(lines.size() == 1 && fatal.match(lines.at(0)).hasMatch(), qPrintable(lines.join('\n')));
    }
};

QTEST_GUILESS_MAIN(LoggerTest)
#include "tst_logger.moc"
