// The Windows platform layer and the container library's Windows file code,
// built with mingw-w64 and run under wine: the system's version API against
// our own PE reader on the same files, running tasklist.exe, and long
// "\\?\" paths through the library's file layer.
// Prints one line per failed check; the exit code is their count.
#include "EncryptAPI/NativeFile.h"
#include "Platform/fileversion.h"
#include "Platform/peversionreader.h"
#include "Platform/processes.h"

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

std::string narrow(const std::u16string &text)
{
    std::string out;
    for (char16_t c : text)
        out += c < 0x80 ? static_cast<char>(c) : '?';
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

void longPathsRoundTrip(const std::string &folder)
{
    // Within the interface's 256 characters, yet deeper than MAX_PATH (260)
    // once made absolute, which only a "\\?\" path reaches.
    std::u16string relative(folder.begin(), folder.end());
    for (int i = 0; i < 5; ++i)
        relative += u"\\" + std::u16string(45, u'a' + i);
    relative += u"\\container.kvm";
    encryptapi::fs::path path;
    check(encryptapi::nativePath(reinterpret_cast<const EncryptChar *>(relative.c_str()), path),
          "nativePath of a long relative path");
    check(path.wstring().rfind(L"\\\\?\\", 0) == 0 && path.wstring().size() > 4 + 260,
          "not a long path with the \\\\?\\ prefix");
    std::error_code error;
    encryptapi::fs::create_directories(path.parent_path(), error);
    check(!error, "creating the long folder: " + error.message());

    const std::string content = "GVLU and more";
    {
        encryptapi::ReplacingFile out(path);
        check(out.open() && out.file().write(content.data(), content.size()) && out.commit(),
              "writing a file under the long path");
    }
    encryptapi::File in;
    std::uint64_t size = 0;
    std::string back(content.size(), '\0');
    check(in.open(path, encryptapi::File::Read) && in.size(size) && size == content.size()
              && in.readExact(&back[0], back.size()) && back == content,
          "reading the file back");
    in.close();
    const encryptapi::fs::path moved = encryptapi::withSuffix(path, ".old");
    check(encryptapi::replaceFile(path, moved) && !encryptapi::fs::exists(path) && encryptapi::sameFile(moved, moved),
          "moving the file in place of another");
    check(encryptapi::removeFile(moved) && !encryptapi::fs::exists(moved), "removing the file");
}

} // namespace

// wine_platform.exe FOLDER PE_FILE...
int main(int argc, char **argv)
{
    if (argc < 3) {
        std::printf("usage: wine_platform FOLDER PE_FILE...\n");
        return 100;
    }
    for (int i = 2; i < argc; ++i)
        versionApiMatchesOurReader(argv[i]);

    // Wine 8's tasklist.exe lists nothing, so only the child, its pipe and
    // its time limit are checked here; the listing's content is not.
    std::string listing;
    check(platform::listProcesses(30000, listing), "tasklist did not finish");

    longPathsRoundTrip(argv[1]);
    std::printf("%d failed\n", failures);
    return failures;
}
