#pragma once

#include "EncryptApi.h"

#include <QString>

#include <vector>

// Text for the container library: its own character type, one per UTF-16
// unit, ending in a NUL.
inline std::vector<EncryptChar> libraryText(const QString &text)
{
    std::vector<EncryptChar> result;
    result.reserve(static_cast<std::size_t>(text.size()) + 1);
    for (const QChar c : text)
        result.push_back(static_cast<EncryptChar>(c.unicode()));
    result.push_back(0);
    return result;
}
