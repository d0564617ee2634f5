#include "../lineend.h"

namespace platform {

const char *lineEnd()
{
    return "\r\n";
}

} // namespace platform
