#pragma once

#include <string>

namespace platform {

// What to tell a user whose device node at `path` exists but may not be
// opened by them, or an empty text when that is not the reason (or the
// system gives every user access anyway).
std::string deviceAccessHint(const char *path);

} // namespace platform
