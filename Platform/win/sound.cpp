#include "../sound.h"

#include <windows.h>
#include <mmsystem.h>

namespace platform {

bool playSound(const std::u16string &path)
{
    static_assert(sizeof(char16_t) == sizeof(wchar_t), "Windows paths are UTF-16");
    // SND_ASYNC: the call returns at once, and a later sound cuts off the
    // one still playing. SND_NODEFAULT: a missing file stays silent.
    return PlaySoundW(reinterpret_cast<const wchar_t *>(path.c_str()), nullptr,
                      SND_FILENAME | SND_ASYNC | SND_NODEFAULT) != FALSE;
}

} // namespace platform
