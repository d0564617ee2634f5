#include "../processes.h"

#include <windows.h>

#include <string>

namespace platform {
namespace {

// Reads what the child wrote so far, so a full pipe never stalls it.
void drainPipe(HANDLE pipe, std::string &out)
{
    DWORD available = 0;
    while (PeekNamedPipe(pipe, nullptr, 0, nullptr, &available, nullptr) && available > 0) {
        char chunk[4096];
        DWORD got = 0;
        if (!ReadFile(pipe, chunk, available < sizeof chunk ? available : sizeof chunk, &got, nullptr) || got == 0)
            return;
        out.append(chunk, got);
    }
}

// The file name of this program's executable ("Vemo Portview.exe"); empty
// when the system cannot tell.
std::wstring ownImageName()
{
    std::wstring path(32768, L'\0');
    const DWORD length = GetModuleFileNameW(nullptr, &path[0], static_cast<DWORD>(path.size()));
    if (length == 0 || length >= path.size())
        return std::wstring();
    path.resize(length);
    const std::wstring::size_type slash = path.find_last_of(L"\\/");
    return slash == std::wstring::npos ? path : path.substr(slash + 1);
}

} // namespace

bool listProcesses(int timeoutMs, std::string &listing)
{
    listing.clear();
    SECURITY_ATTRIBUTES inheritable = {sizeof inheritable, nullptr, TRUE};
    HANDLE readEnd = nullptr;
    HANDLE writeEnd = nullptr;
    if (!CreatePipe(&readEnd, &writeEnd, &inheritable, 0))
        return false;
    SetHandleInformation(readEnd, HANDLE_FLAG_INHERIT, 0);

    std::wstring commandLine = L"tasklist.exe";
    STARTUPINFOW startup = {};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESTDHANDLES;
    startup.hStdInput = GetStdHandle(STD_INPUT_HANDLE);
    startup.hStdOutput = writeEnd;
    startup.hStdError = GetStdHandle(STD_ERROR_HANDLE);
    PROCESS_INFORMATION process = {};
    const BOOL started = CreateProcessW(nullptr, &commandLine[0], nullptr, nullptr, TRUE, CREATE_NO_WINDOW,
                                        nullptr, nullptr, &startup, &process);
    CloseHandle(writeEnd);
    if (!started) {
        CloseHandle(readEnd);
        return false;
    }

    const ULONGLONG deadline = GetTickCount64() + static_cast<ULONGLONG>(timeoutMs);
    bool finished = false;
    for (;;) {
        drainPipe(readEnd, listing);
        if (WaitForSingleObject(process.hProcess, 10) == WAIT_OBJECT_0) {
            finished = true;
            break;
        }
        if (GetTickCount64() >= deadline)
            break;
    }
    if (finished)
        drainPipe(readEnd, listing);
    else
        TerminateProcess(process.hProcess, 1);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    CloseHandle(readEnd);
    return finished;
}

bool endRunningCopies(int timeoutMs)
{
    // By the image name, as the copies were started: the executable of
    // this very program, whatever its brand.
    const std::wstring imageName = ownImageName();
    if (imageName.empty())
        return false;
    std::wstring commandLine = L"taskkill.exe /F /IM \"" + imageName + L"\"";
    STARTUPINFOW startup = {};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process = {};
    if (!CreateProcessW(nullptr, &commandLine[0], nullptr, nullptr, FALSE, CREATE_NO_WINDOW,
                        nullptr, nullptr, &startup, &process))
        return false;
    const DWORD waited = WaitForSingleObject(process.hProcess, static_cast<DWORD>(timeoutMs));
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    return waited == WAIT_OBJECT_0;
}

} // namespace platform
