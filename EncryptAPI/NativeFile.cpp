#include "NativeFile.h"

#include <string>
#include <system_error>

#ifdef _WIN32
#include <windows.h>
#endif

namespace encryptapi {
namespace {

// Length without the terminator, or -1 when there is none within the field.
long fieldLength(const EncryptChar *path)
{
    for (long i = 0; i < ENCRYPT_PATH_CHARS; ++i) {
        if (path[i] == 0)
            return i;
    }
    return -1;
}

#ifdef _WIN32

bool systemPath(const EncryptChar *path, long length, fs::path &out)
{
    std::wstring text(path, static_cast<std::size_t>(length));
    for (wchar_t &c : text) {
        if (c == L'/')
            c = L'\\';
    }
    if (text.rfind(L"\\\\?\\", 0) == 0) {
        out = fs::path(text);
        return true;
    }
    const DWORD needed = GetFullPathNameW(text.c_str(), 0, nullptr, nullptr);
    if (needed == 0)
        return false;
    std::wstring full(needed, L'\0');
    const DWORD written = GetFullPathNameW(text.c_str(), needed, &full[0], nullptr);
    if (written == 0 || written >= needed)
        return false;
    full.resize(written);
    if (full.rfind(L"\\\\", 0) == 0)
        out = fs::path(L"\\\\?\\UNC\\" + full.substr(2));
    else
        out = fs::path(L"\\\\?\\" + full);
    return true;
}

std::FILE *openFile(const fs::path &path, File::Mode mode)
{
    return _wfopen(path.c_str(), mode == File::Read ? L"rb" : L"wb");
}

int seekTo(std::FILE *file, std::uint64_t offset, int origin)
{
    return _fseeki64(file, static_cast<__int64>(offset), origin);
}

long long tellOf(std::FILE *file)
{
    return _ftelli64(file);
}

#else

void appendUtf8(std::string &out, char32_t c)
{
    if (c < 0x80) {
        out += static_cast<char>(c);
    } else if (c < 0x800) {
        out += static_cast<char>(0xC0 | (c >> 6));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
        out += static_cast<char>(0xE0 | (c >> 12));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (c >> 18));
        out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    }
}

bool systemPath(const EncryptChar *path, long length, fs::path &out)
{
    std::string text;
    for (long i = 0; i < length; ++i) {
        char32_t c = path[i];
        if (c >= 0xD800 && c <= 0xDBFF) {
            if (i + 1 >= length || path[i + 1] < 0xDC00 || path[i + 1] > 0xDFFF)
                return false;
            c = 0x10000 + ((c - 0xD800) << 10) + (path[++i] - 0xDC00);
        } else if (c >= 0xDC00 && c <= 0xDFFF) {
            return false;
        }
        appendUtf8(text, c == u'\\' ? char32_t(u'/') : c);
    }
    out = fs::path(text);
    return true;
}

std::FILE *openFile(const fs::path &path, File::Mode mode)
{
    return std::fopen(path.c_str(), mode == File::Read ? "rb" : "wb");
}

int seekTo(std::FILE *file, std::uint64_t offset, int origin)
{
    return fseeko(file, static_cast<off_t>(offset), origin);
}

long long tellOf(std::FILE *file)
{
    return static_cast<long long>(ftello(file));
}

#endif

} // namespace

bool nativePath(const EncryptChar *path, fs::path &out)
{
    if (!path)
        return false;
    const long length = fieldLength(path);
    return length > 0 && systemPath(path, length, out);
}

fs::path withSuffix(const fs::path &path, const char *suffix)
{
    fs::path result = path;
    result += suffix;
    return result;
}

File::~File()
{
    if (m_file)
        std::fclose(m_file);
}

// Only regular files are read: opening a named pipe would wait for a
// writer for ever.
bool File::open(const fs::path &path, Mode mode)
{
    close();
    std::error_code error;
    if (mode == Read && !fs::is_regular_file(path, error))
        return false;
    m_file = openFile(path, mode);
    return m_file != nullptr;
}

std::size_t File::read(void *data, std::size_t size)
{
    return m_file ? std::fread(data, 1, size, m_file) : 0;
}

bool File::write(const void *data, std::size_t size)
{
    return m_file && (size == 0 || std::fwrite(data, 1, size, m_file) == size);
}

bool File::seek(std::uint64_t offset)
{
    return m_file && seekTo(m_file, offset, SEEK_SET) == 0;
}

bool File::size(std::uint64_t &bytes)
{
    if (!m_file || seekTo(m_file, 0, SEEK_END) != 0)
        return false;
    const long long end = tellOf(m_file);
    if (end < 0 || !seek(0))
        return false;
    bytes = static_cast<std::uint64_t>(end);
    return true;
}

bool File::close()
{
    if (!m_file)
        return true;
    const bool flushed = std::fflush(m_file) == 0 && !std::ferror(m_file);
    const bool closed = std::fclose(m_file) == 0;
    m_file = nullptr;
    return flushed && closed;
}

ReplacingFile::ReplacingFile(const fs::path &destination)
    : m_destination(destination), m_path(withSuffix(destination, ".tmp"))
{}

ReplacingFile::~ReplacingFile()
{
    if (m_opened && !m_committed) {
        m_file.close();
        removeFile(m_path);
    }
}

bool ReplacingFile::clashesWith(const fs::path &other) const
{
    return sameFile(m_path, other);
}

bool ReplacingFile::open()
{
    m_opened = m_file.open(m_path, File::Write);
    return m_opened;
}

bool ReplacingFile::commit()
{
    m_committed = m_file.close() && replaceFile(m_path, m_destination);
    return m_committed;
}

bool removeFile(const fs::path &path)
{
    std::error_code error;
    return fs::remove(path, error);
}

bool replaceFile(const fs::path &from, const fs::path &to)
{
#ifdef _WIN32
    return MoveFileExW(from.c_str(), to.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH) != 0;
#else
    return std::rename(from.c_str(), to.c_str()) == 0;
#endif
}

bool sameFile(const fs::path &a, const fs::path &b)
{
    std::error_code error;
    return fs::equivalent(a, b, error);
}

} // namespace encryptapi
