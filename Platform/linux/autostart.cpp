#include "../autostart.h"

#include "desktopentry.h"

namespace platform {

AutostartPlace autostartPlace()
{
    return {AutostartBase::Config, "autostart", ".desktop", true};
}

std::string autostartEntryFor(const std::string &programUtf8, const std::string &brandWord)
{
    return autostartDesktopEntry(programUtf8, brandWord);
}

} // namespace platform
