#include "../processes.h"

#include <windows.h>

#include <string>

namespace platform {

bool endRunningCopies(int timeoutMs)
{
    std::wstring commandLine = L"taskkill.exe /F /IM \"Vemo Portview.exe\"";
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
