#pragma once

namespace platform {

// Ends every running copy of this program, like "taskkill /F /IM" on the
// executable's image name. Returns true when that finished within
// `timeoutMs`; on Windows the calling copy is ended with the others.
bool endRunningCopies(int timeoutMs);

} // namespace platform
