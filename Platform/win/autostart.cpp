#include "../autostart.h"

namespace platform {

AutostartPlace autostartPlace()
{
    return {AutostartBase::Applications, "Startup", ".lnk", false};
}

// A shortcut is a binary file that only the shell writes; the installer
// leaves its master copy.
std::string autostartEntryFor(const std::string &, const std::string &)
{
    return std::string();
}

} // namespace platform
