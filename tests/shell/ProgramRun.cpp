#include "ProgramRun.h"

#include <QElapsedTimer>
#include <QFile>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QThread>

namespace ProgramRun {

bool start(QProcess &program, const QStringList &arguments)
{
    program.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    program.start(QStringLiteral(PORTVIEW_EXECUTABLE), arguments);
    return program.waitForStarted();
}

bool runToEnd(QProcess &program, const QStringList &arguments, int timeoutMs)
{
    return start(program, arguments) && program.waitForFinished(timeoutMs);
}

void stop(QProcess &program)
{
    if (program.state() == QProcess::NotRunning)
        return;
    program.kill();
    program.waitForFinished(5000);
}

QString logPath()
{
    // The program's organisation and application names, not the test's.
    return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation)
           + QStringLiteral("/Vemo/Vemo Portview/log.txt");
}

QStringList logLines()
{
    QFile file(logPath());
    if (!file.open(QIODevice::ReadOnly))
        return {};
    QStringList lines = QString::fromLocal8Bit(file.readAll()).split(QLatin1Char('\n'));
    if (!lines.isEmpty() && lines.last().isEmpty())
        lines.removeLast();
    return lines;
}

QString waitForLogLine(const QString &pattern, int timeoutMs, int skipLines)
{
    const QRegularExpression expression(QRegularExpression::anchoredPattern(pattern));
    QElapsedTimer timer;
    timer.start();
    do {
        const QStringList lines = logLines().mid(skipLines);
        for (const QString &line : lines) {
            if (expression.match(line).hasMatch())
                return line;
        }
        QThread::msleep(20);
    } while (timer.elapsed() < timeoutMs);
    return QString();
}

} // namespace ProgramRun
