#include "../singleinstance.h"

#include <cerrno>
#include <sys/stat.h>
#include <unistd.h>

namespace platform {
namespace {

bool isPrivateFolder(const std::string &path)
{
    struct stat info;
    return !path.empty() && ::lstat(path.c_str(), &info) == 0 && S_ISDIR(info.st_mode)
           && info.st_uid == ::geteuid() && (info.st_mode & 077) == 0;
}

} // namespace

bool localServerIsSocketFile()
{
    return true;
}

std::string privateSocketFolder(const std::string &preferred, const std::string &fallback)
{
    if (isPrivateFolder(preferred))
        return preferred;
    if (fallback.empty())
        return {};
    ::mkdir(fallback.c_str(), 0700);
    struct stat info;
    // Ours but open to others (made by hand, or under another umask): closed.
    if (::lstat(fallback.c_str(), &info) == 0 && S_ISDIR(info.st_mode) && info.st_uid == ::geteuid())
        ::chmod(fallback.c_str(), 0700);
    return isPrivateFolder(fallback) ? fallback : std::string();
}

bool socketIsOurs(const std::string &path)
{
    struct stat info;
    if (::lstat(path.c_str(), &info) != 0)
        return errno == ENOENT;
    return S_ISSOCK(info.st_mode) && info.st_uid == ::geteuid();
}

} // namespace platform
