#pragma once

#include <QString>

// The version the interface shows: the first three parts of the four-part
// application version, the second without leading zeros and the third
// padded to three digits ("3.4.5.6" gives "3.4.005"). A version with fewer
// parts cannot be shown that way and is returned unchanged.
QString versionText(const QString &applicationVersion);
