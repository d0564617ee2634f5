#include "../filemove.h"

#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <unistd.h>

namespace platform {

MoveResult moveFile(const std::filesystem::path &from, const std::filesystem::path &to, bool replace)
{
    if (replace)
        return ::rename(from.c_str(), to.c_str()) == 0 ? MoveResult::Moved : MoveResult::Failed;
    if (::renameat2(AT_FDCWD, from.c_str(), AT_FDCWD, to.c_str(), RENAME_NOREPLACE) == 0)
        return MoveResult::Moved;
    if (errno == EEXIST)
        return MoveResult::DestinationExists;
    if (errno != EINVAL && errno != ENOSYS && errno != EOPNOTSUPP)
        return MoveResult::Failed;
    // A file system without the no-replace rename: a hard link never takes
    // a name that exists either.
    if (::link(from.c_str(), to.c_str()) == 0) {
        ::unlink(from.c_str());
        return MoveResult::Moved;
    }
    return errno == EEXIST ? MoveResult::DestinationExists : MoveResult::Failed;
}

} // namespace platform
