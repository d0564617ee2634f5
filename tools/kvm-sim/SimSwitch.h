#pragma once

#include <QByteArray>
#include <QJsonObject>
#include <QQueue>
#include <QString>
#include <QStringList>

// What one simulated switch is set up as: identity, state and the faults it
// injects. Written on the command line as key=value pairs joined by commas.
struct SwitchSpec
{
    QString model = QStringLiteral("QV5830");
    quint16 vid = 0x1209;
    quint16 pid = 0x0001;
    QString fw = QStringLiteral("V1.0.212");
    int port = 1;        // the port whose computer owns the shared devices
    int host = 1;        // the port this computer is attached to
    QString mode = QStringLiteral("normal");
    QString name1 = QStringLiteral("PC1");
    QString name2 = QStringLiteral("PC2");
    QString port1 = QStringLiteral("1"); // the values of the "Port1" and "Port2" lines
    QString port2 = QStringLiteral("1");
    QString extra;       // one more raw line before the acknowledgement of "read"
    QString path;        // an interface path of its own instead of the usual one
    bool echo = false;   // repeat the command line before the answer
    bool silent = false; // never send the line with "Command"
    bool failsend = false;
    int failread = 0;    // the N-th read after each command fails (0: never)
    int delayMs = 0;     // each reply piece becomes readable this much later
    bool split = false;  // cut the word "Command" across two reports
    // What the firmware service offers for this model, and its faults.
    QString offer;       // the offered version; empty: the same as fw
    int offerDelayMs = 0;
    int offerStatus = 200;
    bool offerGarbage = false; // answer with a body that is not JSON
    // The offered file's address: empty for the service's own file of this
    // model; a path starting with "/" lies under the service, anything else
    // is offered as it stands.
    QString offerUrl;
    // What the service sends as the offered file: "tool" (the upgrade tool),
    // "other" (a file that is not the tool), "nolength" (the tool without a
    // Content-Length, so the receiver cannot tell its progress), "drip" (the
    // tool one byte a piece), "error" (status 500).
    QString offerFile = QStringLiteral("tool");
    // The pause between two pieces of the offered file, in milliseconds.
    int offerGapMs = 100;
    // The model's query and offered file are answered with a 302 to this
    // location (another host or scheme, a relative path, itself); empty: no
    // redirect.
    QString redirect;
    // The query's answer is filled up to this many bytes with blank lines
    // after the offer (0: not filled), as an oversized answer would be.
    int offerSize = 0;
    bool refuseUpdate = false; // answer "update" (upgrade mode) as an unknown command
    int vanishAfter = 0; // unplugs itself once the N-th piece of a reply is read (0: never)
    // The host may not open it: "permission" (no access to its node) or
    // "busy" (another program holds it); empty: it opens.
    QString refuseOpen;
};

// Four upper-case hex digits, as USB IDs are written in interface paths.
QString hex4(quint16 id);

// Applies "key=value,key=value" to `spec`; false with `error` set when a pair
// is malformed or names an unknown key.
bool applySpec(const QString &text, SwitchSpec &spec, QString *error);
// Applies one key=value pair.
bool applySpecPair(const QString &pair, SwitchSpec &spec, QString *error);

// One simulated switch: its command set, its replies cut into feature
// reports, and its port handover. Holds no I/O; the server feeds it reports
// and the current time.
class SimSwitch
{
public:
    static constexpr int kReportSize = 32;

    SimSwitch(int index, const SwitchSpec &spec);

    int index() const { return m_index; }
    const SwitchSpec &spec() const { return m_spec; }
    bool plugged() const { return m_plugged; }
    // Listed by enumeration and answering I/O: plugged and switched to this computer.
    bool present() const { return m_plugged && m_spec.port == m_spec.host; }
    QString path() const;
    QStringList interfaceNames() const;

    void setPlugged(bool plugged) { m_plugged = plugged; }
    bool upgradeMode() const { return m_upgradeMode; }
    // The upgrade tool wrote the offered firmware: the switch runs it and
    // leaves upgrade mode.
    void flash();
    bool set(const QString &pair, QString *error);

    // A command report from the host; the number of bytes taken or -1.
    int receiveCommandReport(const QByteArray &report, qint64 nowMs);
    // The next reply report (32 bytes, report ID 0x81 in byte 0, zero-padded
    // text), or an empty array when the read fails. With nothing ready the
    // report carries no text.
    QByteArray nextReplyReport(qint64 nowMs);

    QJsonObject state() const;

private:
    QStringList replyLines(const QString &command, bool *switchesAway, int *newPort);
    void queueReply(const QString &command);
    static QList<QByteArray> cutIntoPieces(const QByteArray &bytes);

    int m_index;
    SwitchSpec m_spec;
    SwitchSpec m_factory;
    bool m_plugged = true;
    bool m_upgradeMode = false;
    int m_lanes = 4;
    QQueue<QByteArray> m_pieces;
    qint64 m_nextPieceAt = 0;
    int m_readsSinceCommand = 0;
    int m_piecesSinceCommand = 0;
    int m_portAfterReply = 0; // applied once the last piece has been read
    QStringList m_commands;
};
