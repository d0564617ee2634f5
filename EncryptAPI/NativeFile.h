#pragma once

#include "EncryptApi.h"

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <filesystem>

// The library's only operating-system specific code: turning the UTF-16
// paths of the interface into paths the system opens, and plain binary
// files on top of them.
namespace encryptapi {

namespace fs = std::filesystem;

// A zero-terminated path that fits ENCRYPT_PATH_CHARS (terminator
// included). Windows: made absolute and prefixed with "\\?\" (or
// "\\?\UNC\"); elsewhere UTF-8 with backslashes read as slashes. False for
// null, empty, too long or (outside Windows) not valid UTF-16.
bool nativePath(const EncryptChar *path, fs::path &out);

// The same path with a suffix added to its file name.
fs::path withSuffix(const fs::path &path, const char *suffix);

class File
{
public:
    enum Mode { Read, Write };

    File() = default;
    ~File();
    File(const File &) = delete;
    File &operator=(const File &) = delete;

    bool open(const fs::path &path, Mode mode);
    // Reads until size bytes or the end of the file; returns the count.
    std::size_t read(void *data, std::size_t size);
    bool readExact(void *data, std::size_t size) { return read(data, size) == size; }
    // False once a read or write has failed (the end of the file is no failure).
    bool good() const { return m_file && !std::ferror(m_file); }
    bool write(const void *data, std::size_t size);
    bool seek(std::uint64_t offset);
    // The size of the open file; the position is left at the start.
    bool size(std::uint64_t &bytes);
    // Flushes and closes; false when anything written did not reach the file.
    bool close();

private:
    std::FILE *m_file = nullptr;
};

// A new file written beside its destination and put in the destination's
// place by commit() only when it is complete; otherwise it is removed, so a
// failure never leaves a half-written destination or touches an existing one.
class ReplacingFile
{
public:
    explicit ReplacingFile(const fs::path &destination);
    ~ReplacingFile();
    ReplacingFile(const ReplacingFile &) = delete;
    ReplacingFile &operator=(const ReplacingFile &) = delete;

    // The working name would be another of the job's files.
    bool clashesWith(const fs::path &other) const;
    bool open();
    File &file() { return m_file; }
    const fs::path &path() const { return m_path; }
    bool commit();

private:
    fs::path m_destination;
    fs::path m_path;
    File m_file;
    bool m_opened = false;
    bool m_committed = false;
};

bool removeFile(const fs::path &path);
// Puts from in the place of to, replacing a file there in one step.
bool replaceFile(const fs::path &from, const fs::path &to);
// Whether both name the same existing file (also through other names).
bool sameFile(const fs::path &a, const fs::path &b);

} // namespace encryptapi
