#pragma once

#include <QByteArray>
#include <QObject>
#include <QString>
#include <QtGlobal>

class QDateTime;

// Appends every debug, info, critical and fatal message of the process, Qt's
// own included, as one line to log.txt in the application-data folder.
// Warnings are dropped. Nothing stays open between messages, so the file is
// complete up to the last message at any moment.
class QLogger : public QObject
{
    Q_OBJECT

public:
    static void start();
    static void finish();

    static void messageHandler(QtMsgType type, const QMessageLogContext &context, const QString &message);

    // The line written for one message, line end included; empty for a
    // warning. `message` is already in the local 8-bit encoding.
    static QByteArray formatLine(QtMsgType type, const QMessageLogContext &context, const QByteArray &message,
                                 const QDateTime &when);

    static QString logFilePath();
};
