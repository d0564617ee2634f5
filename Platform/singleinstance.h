#pragma once

namespace platform {

// Whether a local server's name is a socket file in the file system (Unix)
// rather than a name in a per-session namespace (Windows' named pipes). A
// socket file belongs in the user's private runtime folder: in the shared
// /tmp one user's copy would keep every other user's copies from finding
// each other.
bool localServerIsSocketFile();

} // namespace platform
