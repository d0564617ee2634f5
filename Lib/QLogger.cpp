#include "QLogger.h"

#include "AppDataPath.h"
#include "Platform/lineend.h"

#include <QDateTime>
#include <QFile>

#include <cstdlib>

namespace {

// What the C runtime prints for a null string: messages from Qt's own
// libraries carry no file or function.
QByteArray orMissing(const char *text)
{
    return text ? QByteArray(text) : QByteArrayLiteral("(null)");
}

} // namespace

void QLogger::start()
{
    qInstallMessageHandler(&QLogger::messageHandler);
}

void QLogger::finish()
{
    qInstallMessageHandler(nullptr);
}

QString QLogger::logFilePath()
{
    return appDataPath() + QStringLiteral("/log") + QStringLiteral(".txt");
}

QByteArray QLogger::formatLine(QtMsgType type, const QMessageLogContext &context, const QByteArray &message,
                               const QDateTime &when)
{
    QByteArray label;
    switch (type) {
    case QtDebugMsg:
        label = "Debug";
        break;
    case QtInfoMsg:
        label = "Info";
        break;
    case QtCriticalMsg:
        label = "Critical";
        break;
    case QtFatalMsg:
        label = "Fatal";
        break;
    case QtWarningMsg:
        return QByteArray();
    }
    QByteArray line = "Date: " + when.toString(QStringLiteral("yyyy-MM-dd hh:mm:ss")).toLocal8Bit() + ", " + label
                      + ": " + message + " (" + orMissing(context.file) + ':'
                      + QByteArray::number(static_cast<uint>(context.line));
    if (type != QtDebugMsg)
        line += ", " + orMissing(context.function);
    return line + ")\n";
}

void QLogger::messageHandler(QtMsgType type, const QMessageLogContext &context, const QString &message)
{
    if (type == QtWarningMsg)
        return;
    const QByteArray text = message.toLocal8Bit();
    // Unbuffered append of the whole line, platform line ends included: it
    // reaches the file in a single write, so lines of two copies of the
    // program never interleave (a text-mode QFile would write piecemeal).
    QFile file(logFilePath());
    if (file.open(QIODevice::WriteOnly | QIODevice::Append | QIODevice::Unbuffered)) {
        QByteArray line = formatLine(type, context, text, QDateTime::currentDateTime());
        line.replace("\n", platform::lineEnd());
        file.write(line);
        file.close();
    }
    if (type == QtFatalMsg)
        std::abort();
}
