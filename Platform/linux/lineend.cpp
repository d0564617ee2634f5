#include "../lineend.h"

namespace platform {

const char *lineEnd()
{
    return "\n";
}

} // namespace platform
