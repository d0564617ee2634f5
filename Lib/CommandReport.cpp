#include "CommandReport.h"

#include <cstring>

namespace CommandReport {

QByteArray build(const QByteArray &command)
{
    if (command.size() > kMaxCommandBytes)
        return {};
    QByteArray report(kReportSize, '\0');
    report[0] = static_cast<char>(kCommandReportId);
    std::memcpy(report.data() + 1, command.constData(), static_cast<size_t>(command.size()));
    report[command.size() + 1] = '\r';
    report[command.size() + 2] = '\n';
    return report;
}

QString decodeReplyChunk(const unsigned char *report, int size)
{
    const auto *bytes = reinterpret_cast<const char *>(report);
    const void *zero = std::memchr(bytes, 0, static_cast<size_t>(size));
    const int length = zero ? static_cast<int>(static_cast<const char *>(zero) - bytes) : size;
    QString chunk = QString::fromUtf8(bytes, length);
    // A switch may echo the command line first. Only the echo of "read" is
    // dropped: it would otherwise stand before the status lines.
    chunk.remove(QStringLiteral("\u0001read\r\n"));
    return chunk;
}

} // namespace CommandReport
