#include "../memorytrim.h"

#include <malloc.h>

namespace platform {

void returnFreeMemory()
{
    // glibc keeps freed blocks in its arenas; trimming unmaps the free pages
    // of every arena, not only the top of the main heap.
    malloc_trim(0);
}

} // namespace platform
