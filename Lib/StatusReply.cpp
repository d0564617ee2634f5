#include "StatusReply.h"

#include "Brand.h"

#include <QStringList>

namespace StatusReply {
namespace {

struct Label
{
    const char *label;
    const char *key;
    bool firstCharacterOnly;
};

const Label kLabels[] = {
    {"module name", "modelname", false}, {"FW version", "version", false}, {"input port", "curport", false},
    {"switch mode", "smode", false},     {"Port1", "Port1", true},         {"Port2", "Port2", true},
    {"Port1 Name", "Name1", false},      {"Port2 Name", "Name2", false},
};

} // namespace

QVariantMap defaults(const QString &companyWord)
{
    return {
        {QStringLiteral("modelname"),
         companyWord == QLatin1String(kCompanyWord) ? QStringLiteral("QV5830") : QStringLiteral("TLM2480VV")},
        {QStringLiteral("version"), QString()},
        {QStringLiteral("curport"), QString()},
        {QStringLiteral("smode"), QStringLiteral("normal")},
        {QStringLiteral("Port1"), QString()},
        {QStringLiteral("Port2"), QString()},
        {QStringLiteral("Name1"), QString()},
        {QStringLiteral("Name2"), QString()},
    };
}

std::optional<QVariantMap> parse(const QString &reply, const QVariantMap &defaults)
{
    if (!reply.contains(QLatin1String("read Command OK")))
        return std::nullopt;
    QVariantMap status = defaults;
    for (const QString &line : reply.split(QStringLiteral("\r\n"))) {
        const QStringList parts = line.split(QLatin1Char(':'));
        if (parts.size() < 2)
            continue;
        const QString label = parts.at(0).trimmed();
        const QString value = parts.at(1).trimmed();
        for (const Label &known : kLabels) {
            if (label == QLatin1String(known.label)) {
                status.insert(QLatin1String(known.key), known.firstCharacterOnly ? value.left(1) : value);
                break;
            }
        }
    }
    return status;
}

} // namespace StatusReply
