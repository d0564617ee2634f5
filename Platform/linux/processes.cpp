#include "../processes.h"

#include <dirent.h>
#include <signal.h>
#include <time.h>
#include <unistd.h>

#include <cctype>
#include <fstream>
#include <string>
#include <vector>

namespace platform {
namespace {

std::string executableOf(const std::string &procEntry)
{
    char target[4096];
    const ssize_t length = readlink((procEntry + "/exe").c_str(), target, sizeof target - 1);
    if (length <= 0)
        return {};
    std::string path(target, static_cast<size_t>(length));
    // A copy started before the executable was rebuilt still counts.
    const std::string deleted = " (deleted)";
    if (path.size() > deleted.size() && path.compare(path.size() - deleted.size(), deleted.size(), deleted) == 0)
        path.resize(path.size() - deleted.size());
    return path;
}

std::vector<pid_t> otherCopies()
{
    std::vector<pid_t> copies;
    const std::string self = executableOf("/proc/self");
    DIR *proc = opendir("/proc");
    if (!proc || self.empty()) {
        if (proc)
            closedir(proc);
        return copies;
    }
    const pid_t ownPid = getpid();
    while (dirent *entry = readdir(proc)) {
        if (!std::isdigit(static_cast<unsigned char>(entry->d_name[0])))
            continue;
        const pid_t pid = static_cast<pid_t>(std::stol(entry->d_name));
        if (pid != ownPid && executableOf(std::string("/proc/") + entry->d_name) == self)
            copies.push_back(pid);
    }
    closedir(proc);
    return copies;
}

long long monotonicMs()
{
    timespec now {};
    clock_gettime(CLOCK_MONOTONIC, &now);
    return now.tv_sec * 1000LL + now.tv_nsec / 1000000;
}

std::string baseName(const std::string &path)
{
    const size_t slash = path.rfind('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

// The executable's file name where /proc lets us see it (our own processes);
// else the name the process was started under; kernel threads by their name.
std::string imageNameOf(const std::string &procEntry)
{
    const std::string executable = executableOf(procEntry);
    if (!executable.empty())
        return baseName(executable);
    std::ifstream commandLine(procEntry + "/cmdline", std::ios::binary);
    std::string argument0;
    if (std::getline(commandLine, argument0, '\0') && !argument0.empty())
        return baseName(argument0);
    std::ifstream comm(procEntry + "/comm");
    std::string name;
    std::getline(comm, name);
    return name;
}

} // namespace

bool listProcesses(int timeoutMs, std::string &listing)
{
    listing.clear();
    DIR *proc = opendir("/proc");
    if (!proc)
        return false;
    const long long deadline = monotonicMs() + timeoutMs;
    bool inTime = true;
    while (dirent *entry = readdir(proc)) {
        if (!std::isdigit(static_cast<unsigned char>(entry->d_name[0])))
            continue;
        const std::string name = imageNameOf(std::string("/proc/") + entry->d_name);
        if (!name.empty())
            listing += name + ' ' + entry->d_name + '\n';
        if (monotonicMs() >= deadline) {
            inTime = false;
            break;
        }
    }
    closedir(proc);
    return inTime;
}

// Unlike taskkill, the calling copy survives; the caller returns at once.
bool endRunningCopies(int timeoutMs)
{
    for (pid_t pid : otherCopies())
        kill(pid, SIGKILL);
    const long long deadline = monotonicMs() + timeoutMs;
    while (!otherCopies().empty()) {
        if (monotonicMs() >= deadline)
            return false;
        usleep(10000);
    }
    return true;
}

} // namespace platform
