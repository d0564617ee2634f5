#include "../singleinstance.h"

namespace platform {

bool localServerIsSocketFile()
{
    return true;
}

} // namespace platform
