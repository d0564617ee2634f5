#include "../registry.h"

namespace platform {

bool hasNativeRegistry()
{
    return false;
}

} // namespace platform
