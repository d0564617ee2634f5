#include "../singleinstance.h"

namespace platform {

bool localServerIsSocketFile()
{
    return false;
}

} // namespace platform
