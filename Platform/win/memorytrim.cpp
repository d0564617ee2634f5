#include "../memorytrim.h"

#include <windows.h>

namespace platform {

void returnFreeMemory()
{
    HeapCompact(GetProcessHeap(), 0);
    // (SIZE_T)-1 twice: the working set is emptied; pages in use come back
    // on their next touch.
    SetProcessWorkingSetSize(GetCurrentProcess(), static_cast<SIZE_T>(-1), static_cast<SIZE_T>(-1));
}

} // namespace platform
