// The Windows platform layer and the container library's Windows file code
// under wine (run-wine.sh builds and drives it). Prints one line per failed
// check; the exit code is their count.
#include "EncryptAPI/NativeFile.h"
#include "Platform/autostart.h"
#include "Platform/fileversion.h"
#include "Platform/peversionreader.h"
#include "Platform/processes.h"

#include <windows.h>

#include <shlobj.h>

#include <cstdio>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

namespace {

int failures = 0;

void check(bool ok, const std::string &what)
{
    if (!ok) {
        std::printf("FAIL %s\n", what.c_str());
        ++failures;
    }
}

// Printable and exact: characters outside ASCII as \uXXXX.
std::string narrow(const std::u16string &text)
{
    std::string out;
    for (char16_t c : text) {
        char escaped[8];
        std::snprintf(escaped, sizeof escaped, "\\u%04x", static_cast<unsigned>(c));
        out += c >= 0x20 && c < 0x7f ? std::string(1, static_cast<char>(c)) : escaped;
    }
    return out;
}

std::string describe(const platform::FileVersionStrings &strings)
{
    std::string text = std::to_string(static_cast<int>(strings.status)) + " [" + narrow(strings.block) + "]";
    for (const auto &value : strings.values)
        text += value ? " \"" + narrow(*value) + "\"" : " -";
    return text;
}

// The eight keys the program asks for, and one no resource has.
const std::vector<std::u16string> kKeys = {u"CompanyName",     u"FileDescription", u"FileVersion",
                                           u"InternalName",    u"ProductName",     u"ProductVersion",
                                           u"OriginalFilename", u"LegalCopyright", u"Missing"};

void versionApiMatchesOurReader(const std::string &file)
{
    std::ifstream in(file, std::ios::binary);
    const std::vector<std::uint8_t> bytes{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    const pe::MemoryBytes source(bytes.data(), bytes.size());
    const std::string ours = describe(pe::readVersionStrings(source, kKeys));
    const std::string system = describe(platform::readFileVersionStrings(file, kKeys));
    std::printf("%s: %s\n", file.c_str(), system.c_str());
    check(ours == system, file + ": our reader gives " + ours);
}

std::u16string wide(const std::string &text)
{
    return std::u16string(text.begin(), text.end());
}

encryptapi::fs::path systemPath(const std::u16string &path)
{
    encryptapi::fs::path out;
    check(encryptapi::nativePath(reinterpret_cast<const EncryptChar *>(path.c_str()), out),
          "nativePath of " + std::string(path.begin(), path.end()));
    return out;
}

// Reads `from` whole and writes it to `to` through the library's file layer.
void copyThroughFileLayer(const encryptapi::fs::path &from, const encryptapi::fs::path &to)
{
    encryptapi::File in;
    std::uint64_t size = 0;
    check(in.open(from, encryptapi::File::Read) && in.size(size), "opening the container");
    std::string bytes(static_cast<std::size_t>(size), '\0');
    check(in.readExact(&bytes[0], bytes.size()) && in.close(), "reading the container");
    encryptapi::ReplacingFile out(to);
    check(out.open() && out.file().write(bytes.data(), bytes.size()) && out.commit(), "writing the container");
}

void longPathsRoundTrip(const std::string &folder, const std::string &container, const std::string &copy)
{
    // Within the interface's 256 characters, yet deeper than MAX_PATH (260)
    // once made absolute, which only a "\\?\" path reaches.
    std::u16string relative = wide(folder);
    for (int i = 0; i < 5; ++i)
        relative += u"\\" + std::u16string(45, u'a' + i);
    relative += u"\\container.kvm";
    const encryptapi::fs::path path = systemPath(relative);
    check(path.wstring().rfind(L"\\\\?\\", 0) == 0 && path.wstring().size() > 4 + 260,
          "not a long path with the \\\\?\\ prefix");
    std::error_code error;
    encryptapi::fs::create_directories(path.parent_path(), error);
    check(!error, "creating the long folder: " + error.message());

    // There and back: the copy beside the program must equal the original.
    copyThroughFileLayer(systemPath(wide(container)), path);
    const encryptapi::fs::path moved = encryptapi::withSuffix(path, ".old");
    check(encryptapi::replaceFile(path, moved) && !encryptapi::fs::exists(path) && encryptapi::sameFile(moved, moved),
          "moving the container in place of another");
    copyThroughFileLayer(moved, systemPath(wide(copy)));
    check(encryptapi::removeFile(moved) && !encryptapi::fs::exists(moved), "removing the container");
}

std::wstring knownFolder(REFKNOWNFOLDERID id)
{
    PWSTR path = nullptr;
    std::wstring text;
    if (SHGetKnownFolderPath(id, 0, nullptr, &path) == S_OK)
        text = path;
    CoTaskMemFree(path);
    return text;
}

// The log-on shortcut's folder under the start menu's programs (Qt's
// ApplicationsLocation) must be the system's Startup folder.
void startupFolderIsTheSystems()
{
    const platform::AutostartPlace place = platform::autostartPlace();
    const std::string folder = place.folder;
    const std::wstring described = knownFolder(FOLDERID_Programs) + L"\\" + std::wstring(folder.begin(), folder.end());
    check(place.base == platform::AutostartBase::Applications && !place.sharedMaster
              && std::string(place.extension) == ".lnk"
              && _wcsicmp(described.c_str(), knownFolder(FOLDERID_Startup).c_str()) == 0, // wine says "StartUp"
          "the log-on folder is not the Startup folder");
}

} // namespace

// wine_platform.exe FOLDER CONTAINER COPY PE_FILE...
// wine_platform.exe --wait MARKER: writes MARKER, then waits at most a minute.
// wine_platform.exe --end: ends every running copy of this executable
// (itself included), as "-exit" does.
int main(int argc, char **argv)
{
    if (argc == 3 && std::string(argv[1]) == "--wait") {
        std::ofstream(argv[2]) << "waiting\n";
        Sleep(60000);
        return 0;
    }
    if (argc == 2 && std::string(argv[1]) == "--end") {
        // Ended by taskkill, a copy never gets here.
        std::printf("taskkill %s, and this copy still runs\n",
                    platform::endRunningCopies(30000) ? "finished" : "did not finish");
        return 1;
    }
    if (argc < 5) {
        std::printf("usage: wine_platform FOLDER CONTAINER COPY PE_FILE...\n");
        return 100;
    }
    for (int i = 4; i < argc; ++i)
        versionApiMatchesOurReader(argv[i]);

    // Wine 8's tasklist.exe lists nothing, so only the child, its pipe and
    // its time limit are checked here; the listing's content is not.
    std::string listing;
    check(platform::listProcesses(30000, listing), "tasklist did not finish");

    longPathsRoundTrip(argv[1], argv[2], argv[3]);
    startupFolderIsTheSystems();
    std::printf("%d failed\n", failures);
    return failures;
}
