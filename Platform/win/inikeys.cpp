#include "Platform/inikeys.h"

namespace platform {

bool iniKeysIgnoreCase()
{
    return true;
}

} // namespace platform
