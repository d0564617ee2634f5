#pragma once

#include <QString>
#include <QVariantMap>

#include <optional>

// The switch's answer to "read": lines "label: value" separated by CR LF,
// ended by "read Command OK". Parsing is pure so that replies of any shape
// (a faulty or hostile device's too) can be tested and fuzzed directly.
namespace StatusReply {

// The status map's starting values for a build whose company word is
// `companyWord`: keys "modelname", "version", "curport", "smode", "Port1",
// "Port2", "Name1", "Name2".
QVariantMap defaults(const QString &companyWord);

// The status map filled from `reply` over `defaults`, or nothing when the
// reply does not acknowledge the read.
std::optional<QVariantMap> parse(const QString &reply, const QVariantMap &defaults);

} // namespace StatusReply
