#pragma once

#include "HidBackend.h"

#include <QAtomicInt>
#include <QMap>
#include <QObject>
#include <QString>
#include <QVariant>

class HidDevice;

// One device link's side on the HID thread: the open handle and the command
// exchange. Made by hidEnumerate and moved to the HID thread, where every
// member but abortExchange runs; results go back through `done`.
class HidLink : public QObject
{
    Q_OBJECT

public:
    bool open(const QByteArray &path, HidOpenFailure *failure);
    void close();
    // One command out and its reply polled in: "" for no device or a failed
    // send or read, the gathered text otherwise.
    QString exchange(const QString &command);
    // Reads on for the rest of the last command's reply, sending nothing,
    // for up to `deadlineMs`: a switch slow to acknowledge.
    QString awaitReply(int deadlineMs);
    // From any thread: the exchange under way ends at its next poll (the
    // device it talks to is being let go of).
    void abortExchange() { m_aborts.fetchAndAddRelaxed(1); }

    // The attached devices whose product ID `catalogue` knows, as discovery
    // records; one that cannot be opened carries why ("openError").
    static QVariantList discover(const QMap<QString, QVariantMap> &catalogue);
    // Whether `path` opens now: HidOpenFailure::None, or why not.
    static HidOpenFailure probe(const QByteArray &path);
    // Closes every link's device; when the HID thread ends.
    static void closeAll();

signals:
    void done(quint64 request, const QVariant &result);

private:
    // Polls the reply in until it holds "Command", `deadlineMs` passed or the
    // exchange is aborted (the abort count moved on from `aborts`).
    QString collect(int deadlineMs, int aborts);

private:
    HidDevice *m_device = nullptr;
    QAtomicInt m_aborts;
};
