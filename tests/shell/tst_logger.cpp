// The log handler in this process and in child processes: the exact line of
// each message type, what is dropped, and what survives a fatal message.

#include "TestFixture.h"
#include "QLogger.h"
#include "AppDataPath.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QThread>
#include <QtTest>

namespace {

const QString kSource = QStringLiteral("tests/shell/tst_logger.cpp");

QByteArray readLog()
{
    QFile file(QLogger::logFilePath());
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// Runs the helper that logs and ends; returns how it ended.
QProcess::ExitStatus runChild(const QString &mode)
{
    QProcess child;
    child.start(QStringLiteral(LOGGER_CHILD), {mode});
    if (!child.waitForFinished(20000))
        return QProcess::CrashExit;
    return child.exitStatus();
}

} // namespace

class LoggerTest : public QObject
{
    Q_OBJECT

private:
    // The lines added to log.txt since `before`, each split into its date and
    // the rest.
    static QList<QPair<QDateTime, QString>> addedLines(const QByteArray &before)
    {
        const QByteArray log = readLog();
        if (!log.startsWith(before))
            return {};
        QList<QPair<QDateTime, QString>> lines;
        const QString added = QString::fromLocal8Bit(log.mid(before.size()));
        static const QRegularExpression line(
            QStringLiteral(R"(Date: (\d{4}-\d\d-\d\d \d\d:\d\d:\d\d)(, [^\n]*(?:\n(?!Date: )[^\n]*)*)\n)"));
        for (auto it = line.globalMatch(added); it.hasNext();) {
            const QRegularExpressionMatch match = it.next();
            lines.append({QDateTime::fromString(match.captured(1), QStringLiteral("yyyy-MM-dd hh:mm:ss")),
                          match.captured(2)});
        }
        return lines;
    }

private slots:
    void initTestCase()
    {
        fixture::nameAsTheProgram(); // log.txt's path: tst_singleinstance reads the program's log there
        ensureAppDataPath();
        QLogger::start();
    }

    void cleanupTestCase() { QLogger::finish(); }

    // Debug lines with their source: the threads below.
    void eachTypeWritesItsOwnLineAndWarningsNone()
    {
        const QByteArray before = readLog();
        const QDateTime start = QDateTime::currentDateTime().addMSecs(-1000);
        const QString function = QString::fromLatin1(Q_FUNC_INFO);
        // clang-format off
        const int infoLine = __LINE__; qInfo() << QStringLiteral("a QString") << 7;
        const int criticalLine = __LINE__; qCritical("%s", "critical text");
        // clang-format on
        qWarning("A warning.");
        QMessageLogger().debug("from a library without context");
        QMessageLogger().info("info without context");
        const QDateTime end = QDateTime::currentDateTime();

        const QStringList expected = {
            QStringLiteral(", Info: \"a QString\" 7 (%1:%2, %3)").arg(kSource).arg(infoLine).arg(function),
            QStringLiteral(", Critical: critical text (%1:%2, %3)").arg(kSource).arg(criticalLine).arg(function),
            QStringLiteral(", Debug: from a library without context ((null):0)"),
            QStringLiteral(", Info: info without context ((null):0, (null))"),
        };
        const auto lines = addedLines(before);
        QCOMPARE(lines.size(), expected.size());
        for (int i = 0; i < lines.size(); ++i) {
            QCOMPARE(lines.at(i).second, expected.at(i));
            QVERIFY(lines.at(i).first >= start && lines.at(i).first <= end);
        }
        QVERIFY(readLog().endsWith(")\n"));
    }

    void withoutItsFolderAMessageIsLostQuietly()
    {
        const QString folder = appDataPath();
        const QString aside = folder + QStringLiteral(".aside");
        QVERIFY(QDir().rename(folder, aside));
        qDebug("Nobody will read this.");
        const bool created = QDir(folder).exists();
        QVERIFY(QDir().rename(aside, folder));
        QVERIFY(!created);
        QVERIFY(!readLog().contains("Nobody will read this."));
    }

    void messagesFromSeveralThreadsStayWholeLines()
    {
        const QByteArray before = readLog();
        constexpr int kThreads = 4;
        constexpr int kMessages = 200;
        QList<QThread *> threads;
        for (int t = 0; t < kThreads; ++t) {
            threads.append(QThread::create([t] {
                for (int i = 0; i < kMessages; ++i)
                    qDebug("thread %d message %d", t, i);
            }));
            threads.last()->start();
        }
        for (QThread *thread : threads) {
            QVERIFY(thread->wait(20000));
            delete thread;
        }
        const auto lines = addedLines(before);
        QCOMPARE(lines.size(), kThreads * kMessages);
        static const QRegularExpression whole(QRegularExpression::anchoredPattern(
            QStringLiteral(R"(, Debug: thread \d message \d+ \(tests/shell/tst_logger\.cpp:\d+\))")));
        for (const auto &line : lines)
            QVERIFY2(whole.match(line.second).hasMatch(), qPrintable(line.second));
    }

    // Runs appending to one log: tst_singleinstance.
    void aFatalMessageIsWrittenBeforeTheEnd()
    {
        const QByteArray before = readLog();
        QCOMPARE(runChild(QStringLiteral("fatal")), QProcess::CrashExit);

        const auto lines = addedLines(before);
        QCOMPARE(lines.size(), 1);
        static const QRegularExpression fatal(QRegularExpression::anchoredPattern(QStringLiteral(
            R"(, Fatal: Stopping here: no way on \(tests/shell/logger_child\.cpp:\d+, int main\(int, char\*\*\)\))")));
        QVERIFY2(fatal.match(lines.at(0).second).hasMatch(), qPrintable(lines.at(0).second));
    }
};

QTEST_GUILESS_MAIN(LoggerTest)
#include "tst_logger.moc"
