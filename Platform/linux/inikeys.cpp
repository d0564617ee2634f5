#include "Platform/inikeys.h"

namespace platform {

bool iniKeysIgnoreCase()
{
    return false;
}

} // namespace platform
