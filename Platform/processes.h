#pragma once

#include <string>

namespace platform {

// The running processes as text, one line per process with its image name
// and process ID, as tasklist.exe lists them. False when the listing could
// not be made within `timeoutMs`.
bool listProcesses(int timeoutMs, std::string &listing);

// Ends every running copy of this program, like "taskkill /F /IM" on the
// executable's image name. Returns true when that finished within
// `timeoutMs`; on Windows the calling copy is ended with the others.
bool endRunningCopies(int timeoutMs);

} // namespace platform
