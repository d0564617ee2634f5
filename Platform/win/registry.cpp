#include "../registry.h"

namespace platform {

bool hasNativeRegistry()
{
    return true;
}

} // namespace platform
