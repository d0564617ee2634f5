#pragma once

#include <string>

namespace platform {

// Whether a local server's name is a socket file in the file system (Unix)
// rather than a name in a per-session namespace (Windows' named pipes). A
// socket file belongs in a folder that only its user can enter: in a shared
// folder another user's listener would receive every later start's argument.
bool localServerIsSocketFile();

// A folder for the socket file that only the current user can enter (a
// directory owned by the user, no access for anyone else): `preferred` (the
// session's runtime folder) when it is one, else `fallback`, created or
// closed to others as needed. Empty when neither is to be had.
std::string privateSocketFolder(const std::string &preferred, const std::string &fallback);

// Whether the socket file at `path` may be connected to or removed: nothing
// is there, or a socket of the current user. Another user's file never is.
bool socketIsOurs(const std::string &path);

} // namespace platform
