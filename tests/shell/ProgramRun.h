#pragma once

#include <QProcess>
#include <QString>
#include <QStringList>

// The real program as the tests start it, and its log file.
namespace ProgramRun {

// Starts a copy; true once the process is running.
bool start(QProcess &program, const QStringList &arguments = {});
// Runs a copy to its end; true when it ended by itself within `timeoutMs`.
bool runToEnd(QProcess &program, const QStringList &arguments, int timeoutMs = 20000);
void stop(QProcess &program);

// log.txt of the program run under the test's HOME and XDG folders.
QString logPath();
QStringList logLines();
// Waits until a line of log.txt matches `pattern`; returns that line or an
// empty string on time-out.
QString waitForLogLine(const QString &pattern, int timeoutMs = 10000, int skipLines = 0);

} // namespace ProgramRun
