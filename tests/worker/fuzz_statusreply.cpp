// Feeds arbitrary bytes, decoded as the command channel decodes them, to the
// status-reply parser.
#include "StatusReply.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    static const QVariantMap defaults = StatusReply::defaults(QStringLiteral("Vemo"));
    const QString reply = QString::fromUtf8(reinterpret_cast<const char *>(data), static_cast<int>(size));
    const auto status = StatusReply::parse(reply, defaults);
    if (status && status->size() != defaults.size())
        __builtin_trap();
    return 0;
}
