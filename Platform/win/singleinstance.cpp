#include "../singleinstance.h"

namespace platform {

bool localServerIsSocketFile()
{
    return false;
}

// Named pipes live in the session's namespace, not in a folder.
std::string privateSocketFolder(const std::string &, const std::string &)
{
    return {};
}

bool socketIsOurs(const std::string &)
{
    return true;
}

} // namespace platform
