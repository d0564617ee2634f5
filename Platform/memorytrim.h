#pragma once

namespace platform {

// Gives the memory the process has freed back to the system, so that what
// it no longer holds stops counting as resident (the heap's free pages on
// Linux, the working set on Windows, which faults back in what is used).
void returnFreeMemory();

} // namespace platform
