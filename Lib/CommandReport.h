#pragma once

#include <QByteArray>
#include <QString>

// Framing of the switch's text commands in HID feature reports. Both reports
// are 32 bytes with the report ID in byte 0; a command fills bytes 1..n and
// is ended by CR LF, so at most 29 command bytes fit.
namespace CommandReport {

constexpr int kReportSize = 32;
constexpr unsigned char kCommandReportId = 0x01;
constexpr unsigned char kReplyReportId = 0x81;
constexpr int kMaxCommandBytes = kReportSize - 3;

// The command report for `command` (already in the local 8-bit encoding),
// or an empty array when it does not fit.
QByteArray build(const QByteArray &command);

// One polled reply report turned into text: decoded as UTF-8 from byte 0
// (the report ID included) up to the first zero byte, with the switch's echo
// of a "read" command removed.
QString decodeReplyChunk(const unsigned char *report, int size);

} // namespace CommandReport
