#pragma once

#include <QString>

// The value that write number `n` of the config writer puts into config.ini:
// large enough that a kill often lands in the middle of writing it, of a
// size that changes from write to write, and telling its number at both
// ends so that a mixed or cut value shows.
inline QString stressPayload(quint64 n)
{
    const int size = 512 * 1024 + static_cast<int>(n % 7) * 4096;
    return QStringLiteral("gen:%1:").arg(n) + QString(size, QLatin1Char(static_cast<char>('a' + n % 26)))
           + QStringLiteral(":end:%1").arg(n);
}
