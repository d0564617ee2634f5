#include "SimSwitch.h"

#include <QJsonArray>

#include <algorithm>

namespace {

constexpr char kCommandReportId = 0x01;
constexpr char kReplyReportId = static_cast<char>(0x81);
constexpr int kTextPerReport = SimSwitch::kReportSize - 1;

bool parseBool(const QString &value, bool *ok)
{
    *ok = true;
    if (value.isEmpty() || value == QLatin1String("1") || value == QLatin1String("true"))
        return true;
    if (value == QLatin1String("0") || value == QLatin1String("false"))
        return false;
    *ok = false;
    return false;
}

} // namespace

QString hex4(quint16 id)
{
    return QString::number(id, 16).rightJustified(4, QLatin1Char('0')).toUpper();
}

namespace {

// Keys whose value is taken as written, flags, and counts of zero or more.
const struct { const char *key; QString SwitchSpec::*field; } kTextKeys[] = {
    {"model", &SwitchSpec::model}, {"fw", &SwitchSpec::fw},         {"name1", &SwitchSpec::name1},
    {"name2", &SwitchSpec::name2}, {"port1", &SwitchSpec::port1},   {"port2", &SwitchSpec::port2},
    {"extra", &SwitchSpec::extra}, {"path", &SwitchSpec::path},     {"offer", &SwitchSpec::offer},
    {"offer-url", &SwitchSpec::offerUrl}, {"redirect", &SwitchSpec::redirect},
};
const struct { const char *key; bool SwitchSpec::*field; } kFlagKeys[] = {
    {"echo", &SwitchSpec::echo},   {"silent", &SwitchSpec::silent},          {"failsend", &SwitchSpec::failsend},
    {"split", &SwitchSpec::split}, {"refuse-update", &SwitchSpec::refuseUpdate},
};
const struct { const char *key; int SwitchSpec::*field; } kCountKeys[] = {
    {"failread", &SwitchSpec::failread}, {"delay", &SwitchSpec::delayMs},
    {"offer-delay", &SwitchSpec::offerDelayMs}, {"vanish-after", &SwitchSpec::vanishAfter},
    {"offer-size", &SwitchSpec::offerSize},
};

bool applyTableKey(const QString &key, const QString &value, SwitchSpec &spec, bool *ok)
{
    for (const auto &entry : kTextKeys) {
        if (key == QLatin1String(entry.key)) {
            spec.*entry.field = value;
            return true;
        }
    }
    for (const auto &entry : kFlagKeys) {
        if (key == QLatin1String(entry.key)) {
            spec.*entry.field = parseBool(value, ok);
            return true;
        }
    }
    for (const auto &entry : kCountKeys) {
        if (key == QLatin1String(entry.key)) {
            spec.*entry.field = value.toInt(ok);
            *ok = *ok && spec.*entry.field >= 0;
            return true;
        }
    }
    return false;
}

} // namespace

bool applySpecPair(const QString &pair, SwitchSpec &spec, QString *error)
{
    const int equals = pair.indexOf(QLatin1Char('='));
    const QString key = (equals < 0 ? pair : pair.left(equals)).trimmed();
    const QString value = equals < 0 ? QString() : pair.mid(equals + 1);
    bool ok = true;
    if (applyTableKey(key, value, spec, &ok)) {
    } else if (key == QLatin1String("vid") || key == QLatin1String("pid")) {
        (key == QLatin1String("vid") ? spec.vid : spec.pid) = static_cast<quint16>(value.toUInt(&ok, 16));
    } else if (key == QLatin1String("port") || key == QLatin1String("host")) {
        const int port = value.toInt(&ok);
        ok = ok && (port == 1 || port == 2);
        (key == QLatin1String("port") ? spec.port : spec.host) = port;
    } else if (key == QLatin1String("mode")) {
        ok = value == QLatin1String("normal") || value == QLatin1String("faster");
        spec.mode = value;
    } else if (key == QLatin1String("offer-status")) {
        spec.offerStatus = value.toInt(&ok);
        ok = ok && spec.offerStatus >= 100 && spec.offerStatus <= 599;
    } else if (key == QLatin1String("offer-body")) {
        ok = value == QLatin1String("garbage") || value == QLatin1String("json");
        spec.offerGarbage = value == QLatin1String("garbage");
    } else if (key == QLatin1String("offer-file")) {
        ok = QStringList{"tool", "other", "nolength", "drip", "error"}.contains(value);
        spec.offerFile = value;
    } else if (key == QLatin1String("offer-gap")) {
        spec.offerGapMs = value.toInt(&ok);
        ok = ok && spec.offerGapMs >= 1 && spec.offerGapMs <= 10000;
    } else if (key == QLatin1String("refuse-open")) {
        // Lifted with "refuse-open=none" (or an empty value).
        ok = value.isEmpty() || value == QLatin1String("none") || value == QLatin1String("permission")
             || value == QLatin1String("busy");
        spec.refuseOpen = value == QLatin1String("none") ? QString() : value;
    } else {
        if (error)
            *error = QStringLiteral("unknown key \"%1\"").arg(key);
        return false;
    }
    if (!ok && error)
        *error = QStringLiteral("bad value \"%1\" for %2").arg(value, key);
    return ok;
}

bool applySpec(const QString &text, SwitchSpec &spec, QString *error)
{
    for (const QString &pair : text.split(QLatin1Char(','), Qt::SkipEmptyParts)) {
        if (!applySpecPair(pair, spec, error))
            return false;
    }
    return true;
}

SimSwitch::SimSwitch(int index, const SwitchSpec &spec)
    : m_index(index), m_spec(spec), m_factory(spec)
{
}

QString SimSwitch::path() const
{
    if (!m_spec.path.isEmpty())
        return m_spec.path;
    // Windows interface paths, as hidapi reports them there.
    return QStringLiteral("\\\\?\\HID#VID_%1&PID_%2#7&2c5f%3&0&0000#{4d1e55b2-f16f-11cf-88cb-001111000030}")
        .arg(hex4(m_spec.vid), hex4(m_spec.pid), QString::number(m_index).rightJustified(4, QLatin1Char('0')));
}

QStringList SimSwitch::interfaceNames() const
{
    // A switch shows up as a USB device and as its HID interface.
    const QString usbDevice = QStringLiteral("\\\\?\\USB#VID_%1&PID_%2#KVM%3#{a5dcbf10-6530-11d2-901f-00c04fb951ed}")
                                  .arg(hex4(m_spec.vid), hex4(m_spec.pid),
                                       QString::number(m_index).rightJustified(4, QLatin1Char('0')));
    return {usbDevice, path()};
}

bool SimSwitch::set(const QString &pair, QString *error)
{
    return applySpecPair(pair, m_spec, error);
}

int SimSwitch::receiveCommandReport(const QByteArray &report, qint64 nowMs)
{
    if (!present() || m_spec.failsend || report.isEmpty() || report.at(0) != kCommandReportId)
        return -1;
    QByteArray text = report.mid(1);
    const int end = text.indexOf("\r\n");
    text.truncate(end >= 0 ? end : text.indexOf('\0') >= 0 ? text.indexOf('\0') : text.size());
    const QString command = QString::fromUtf8(text);
    m_commands.append(command);
    m_readsSinceCommand = 0;
    m_piecesSinceCommand = 0;
    m_nextPieceAt = nowMs + m_spec.delayMs;
    queueReply(command);
    return report.size();
}

QStringList SimSwitch::replyLines(const QString &command, bool *switchesAway, int *newPort)
{
    *switchesAway = false;
    *newPort = 0;
    const QString ok = QStringLiteral("Command OK");
    if (command == QLatin1String("read")) {
        QStringList lines{QStringLiteral("module name: ") + m_spec.model,
                          QStringLiteral("FW version: ") + m_spec.fw,
                          QStringLiteral("input port: ") + QString::number(m_spec.port),
                          QStringLiteral("switch mode: ") + m_spec.mode,
                          QStringLiteral("Port1: ") + m_spec.port1,
                          QStringLiteral("Port2: ") + m_spec.port2,
                          QStringLiteral("Port1 Name: ") + m_spec.name1,
                          QStringLiteral("Port2 Name: ") + m_spec.name2};
        if (!m_spec.extra.isEmpty())
            lines << m_spec.extra;
        return lines << QStringLiteral("read Command OK");
    }
    if (command == QLatin1String("sw i00") || command == QLatin1String("sw i01")) {
        *newPort = command.endsWith(QLatin1Char('0')) ? 1 : 2;
        *switchesAway = *newPort != m_spec.host;
        return {ok};
    }
    if (command == QLatin1String("videoswmode normal") || command == QLatin1String("videoswmode faster")) {
        m_spec.mode = command.mid(12);
        return {ok};
    }
    if (command == QLatin1String("sw l00") || command == QLatin1String("sw l01")) {
        m_lanes = command.endsWith(QLatin1Char('0')) ? 4 : 2;
        return {ok};
    }
    if (command == QLatin1String("clearallsetting")) {
        m_spec.mode = QStringLiteral("normal");
        m_spec.name1 = m_factory.name1;
        m_spec.name2 = m_factory.name2;
        m_lanes = 4;
        return {ok};
    }
    if (command == QLatin1String("update") && !m_spec.refuseUpdate) {
        m_upgradeMode = true;
        return {ok};
    }
    if (command == QLatin1String("test"))
        return {ok};
    return {QStringLiteral("Unknown Command")};
}

void SimSwitch::flash()
{
    if (!m_spec.offer.isEmpty())
        m_spec.fw = m_spec.offer;
    m_upgradeMode = false;
}

QList<QByteArray> SimSwitch::cutIntoPieces(const QByteArray &bytes)
{
    QList<QByteArray> pieces;
    for (int at = 0; at < bytes.size(); at += kTextPerReport)
        pieces.append(bytes.mid(at, kTextPerReport));
    return pieces;
}

// The host decodes each report from byte 0, so the report ID reaches it as a
// replacement character in front of every piece. Each line therefore travels
// in reports of its own, framed by CR LF on both sides: the stray character
// then always stands on a line of its own, which holds no label, and the
// labelled lines arrive clean. Only a line too long for one report runs on
// into the next.
void SimSwitch::queueReply(const QString &command)
{
    m_pieces.clear();
    m_portAfterReply = 0;
    if (m_spec.echo)
        m_pieces.append(cutIntoPieces(kCommandReportId + command.toUtf8() + "\r\n"));

    bool switchesAway = false;
    int newPort = 0;
    const QStringList lines = replyLines(command, &switchesAway, &newPort);
    for (const QString &line : lines) {
        const bool acknowledges = line.contains(QLatin1String("Command"));
        if (acknowledges && m_spec.silent)
            continue;
        const QByteArray framed = "\r\n" + line.toUtf8() + "\r\n";
        const int word = framed.indexOf("Command");
        if (acknowledges && m_spec.split && word >= 0) {
            const int cut = word + 4; // "Comm" | "and"
            m_pieces.append(cutIntoPieces(framed.left(cut)));
            m_pieces.append(cutIntoPieces(framed.mid(cut)));
        } else {
            m_pieces.append(cutIntoPieces(framed));
        }
    }
    if (newPort && !m_spec.silent)
        m_portAfterReply = newPort;
    if (m_pieces.isEmpty() && m_portAfterReply) {
        m_spec.port = m_portAfterReply;
        m_portAfterReply = 0;
    }
}

QByteArray SimSwitch::nextReplyReport(qint64 nowMs)
{
    if (!present())
        return {};
    ++m_readsSinceCommand;
    if (m_spec.failread > 0 && m_readsSinceCommand == m_spec.failread)
        return {};

    QByteArray report(kReportSize, '\0');
    report[0] = kReplyReportId;
    if (m_pieces.isEmpty() || nowMs < m_nextPieceAt)
        return report;
    const QByteArray piece = m_pieces.dequeue();
    std::copy(piece.begin(), piece.end(), report.begin() + 1);
    m_nextPieceAt = nowMs + m_spec.delayMs;
    // A switch pulled out mid-reply, at a known point of the exchange: the
    // host has this piece, and its next read finds no device.
    if (++m_piecesSinceCommand == m_spec.vanishAfter)
        m_plugged = false;
    if (m_pieces.isEmpty() && m_portAfterReply) {
        // The acknowledgement has been read; the switch now hands its USB
        // side to the chosen computer.
        m_spec.port = m_portAfterReply;
        m_portAfterReply = 0;
    }
    return report;
}

QJsonObject SimSwitch::state() const
{
    return {
        {QStringLiteral("index"), m_index},
        {QStringLiteral("path"), path()},
        {QStringLiteral("model"), m_spec.model},
        {QStringLiteral("vid"), hex4(m_spec.vid)},
        {QStringLiteral("pid"), hex4(m_spec.pid)},
        {QStringLiteral("fw"), m_spec.fw},
        {QStringLiteral("port"), m_spec.port},
        {QStringLiteral("host"), m_spec.host},
        {QStringLiteral("mode"), m_spec.mode},
        {QStringLiteral("lanes"), m_lanes},
        {QStringLiteral("name1"), m_spec.name1},
        {QStringLiteral("name2"), m_spec.name2},
        {QStringLiteral("plugged"), m_plugged},
        {QStringLiteral("present"), present()},
        {QStringLiteral("upgrade"), m_upgradeMode},
        {QStringLiteral("commands"), QJsonArray::fromStringList(m_commands)},
    };
}
