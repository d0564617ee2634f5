#include "../autostart.h"

namespace platform {

AutostartPlace autostartPlace()
{
    return {AutostartBase::Applications, "Startup", ".lnk", false};
}

} // namespace platform
