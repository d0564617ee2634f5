#pragma once

// What the test programs share: the application's names as the program sets
// them (config.ini, log.txt and the registry file live in folders named
// after them), a record of what the code under test logs, and file helpers.

#include "Brand.h"

#include <QCoreApplication>
#include <QFile>
#include <QProcess>
#include <QStringList>

#include <utility>

namespace fixture {

inline void nameAsTheProgram()
{
    QCoreApplication::setOrganizationName(QLatin1String(kCompanyWord));
    QCoreApplication::setApplicationName(QLatin1String(kCompanyWord) + QStringLiteral(" Portview"));
}

// The application-data folder of the program under the test's XDG_DATA_HOME.
inline QString appData()
{
    return qEnvironmentVariable("XDG_DATA_HOME") + QLatin1Char('/') + QCoreApplication::organizationName()
           + QLatin1Char('/') + QCoreApplication::applicationName();
}

inline QByteArray readAll(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

inline bool writeAll(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

// The real program as the tests start it, and the lines of its log.
inline bool startProgram(QProcess &program, const QStringList &arguments = {})
{
    program.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    program.start(QStringLiteral(PORTVIEW_EXECUTABLE), arguments);
    return program.waitForStarted();
}

// A later copy run to its end: true when it ended by itself with status 0.
inline bool runProgramToEnd(const QStringList &arguments)
{
    QProcess later;
    return startProgram(later, arguments) && later.waitForFinished(20000) && later.exitStatus() == QProcess::NormalExit
           && later.exitCode() == 0;
}

inline void stopProgram(QProcess &program)
{
    program.kill();
    program.waitForFinished(5000);
}

inline QStringList programLog()
{
    return QString::fromLocal8Bit(readAll(appData() + QStringLiteral("/log.txt"))).split('\n', Qt::SkipEmptyParts);
}

} // namespace fixture

// Records every message logged while it lives, warnings and worse marked
// "warning: ", instead of Qt Test's handler (so QTest::ignoreMessage does not
// apply inside its lifetime).
class MessageCapture
{
public:
    MessageCapture() : m_previous(qInstallMessageHandler(&MessageCapture::handle)) { lines().clear(); }
    ~MessageCapture() { qInstallMessageHandler(m_previous); }
    MessageCapture(const MessageCapture &) = delete;
    MessageCapture &operator=(const MessageCapture &) = delete;

    static QStringList &lines()
    {
        static QStringList collected;
        return collected;
    }
    static QStringList take() { return std::exchange(lines(), {}); }

private:
    static void handle(QtMsgType type, const QMessageLogContext &, const QString &message)
    {
        lines() << (type == QtDebugMsg || type == QtInfoMsg ? message : QStringLiteral("warning: ") + message);
    }

    QtMessageHandler m_previous;
};
