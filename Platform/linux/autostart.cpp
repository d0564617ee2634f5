#include "../autostart.h"

namespace platform {

AutostartPlace autostartPlace()
{
    return {AutostartBase::Config, "autostart", ".desktop", true};
}

} // namespace platform
