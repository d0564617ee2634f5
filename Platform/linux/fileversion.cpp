#include "../fileversion.h"

#include "../elfversionreader.h"

#include <errno.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace platform {
namespace {

// Reads the file in place, so a large executable is never loaded whole.
class FileBytes final : public pe::ByteSource
{
public:
    explicit FileBytes(const std::filesystem::path &file) : m_fd(open(file.c_str(), O_RDONLY | O_CLOEXEC))
    {
        struct stat status {};
        // Only regular files: a FIFO or a device could block or never end.
        if (m_fd >= 0 && fstat(m_fd, &status) == 0 && S_ISREG(status.st_mode))
            m_size = static_cast<std::uint64_t>(status.st_size);
    }
    ~FileBytes() override
    {
        if (m_fd >= 0)
            close(m_fd);
    }
    FileBytes(const FileBytes &) = delete;
    FileBytes &operator=(const FileBytes &) = delete;

    std::uint64_t size() const override { return m_size; }
    bool read(std::uint64_t offset, void *out, std::size_t count) const override
    {
        auto *bytes = static_cast<char *>(out);
        while (count > 0) {
            const ssize_t got = pread(m_fd, bytes, count, static_cast<off_t>(offset));
            if (got < 0 && errno == EINTR)
                continue;
            if (got <= 0)
                return false;
            bytes += got;
            offset += static_cast<std::uint64_t>(got);
            count -= static_cast<std::size_t>(got);
        }
        return true;
    }

private:
    int m_fd;
    std::uint64_t m_size = 0;
};

} // namespace

FileVersionStrings readFileVersionStrings(const std::filesystem::path &file, const std::vector<std::u16string> &keys)
{
    // Programs built here carry their block in an ELF section; a Windows
    // executable lying here is read from its resource.
    const FileBytes bytes(file);
    return elf::readVersionStrings(bytes, keys);
}

bool programCarriesVersionResource()
{
    return false;
}

} // namespace platform
