#include "Platform/deviceaccess.h"

namespace platform {

// Any user may open a HID device on Windows: no rule to install.
std::string deviceAccessHint(const char *)
{
    return std::string();
}

} // namespace platform
