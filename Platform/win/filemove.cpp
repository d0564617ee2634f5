#include "../filemove.h"

#include <windows.h>

namespace platform {

MoveResult moveFile(const std::filesystem::path &from, const std::filesystem::path &to, bool replace)
{
    // Without MOVEFILE_REPLACE_EXISTING the move fails on a name that exists.
    if (MoveFileExW(from.c_str(), to.c_str(), replace ? MOVEFILE_REPLACE_EXISTING : 0))
        return MoveResult::Moved;
    const DWORD error = GetLastError();
    if (error == ERROR_ALREADY_EXISTS || error == ERROR_FILE_EXISTS)
        return MoveResult::DestinationExists;
    return MoveResult::Failed;
}

} // namespace platform
