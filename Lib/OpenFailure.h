#pragma once

#include "HidBackend.h"

#include <QString>
#include <QVariantMap>

// A switch that is there but cannot be opened, told in terms a user acts on:
// a reason code and, where it helps, the command that fixes it.
namespace OpenFailure {

// "" (it opens), "permission", "busy" or "other".
QString code(HidOpenFailure failure);

// The shell command that installs the udev rule giving the user at the seat
// the switches' nodes, and makes udev apply it; empty where no rule is
// needed (Windows).
QString installCommand();

// Adds "openError" (the code) and "openCommand" (the command for a missing
// permission, else empty) to a discovery record.
void describe(HidOpenFailure failure, QVariantMap *record);

} // namespace OpenFailure
