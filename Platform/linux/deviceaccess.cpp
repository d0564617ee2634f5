#include "Platform/deviceaccess.h"

#include <cerrno>
#include <unistd.h>

namespace platform {

std::string deviceAccessHint(const char *path)
{
    if (::access(path, R_OK | W_OK) == 0 || errno != EACCES)
        return std::string();
    return "this user may not read and write the device node:"
           " install 70-vemo-portview.rules (README, troubleshooting)";
}

} // namespace platform
