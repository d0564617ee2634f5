#pragma once

// Reads the version resource of a PE file (an .exe or .dll) without the
// Windows version API, giving what GetFileVersionInfoW and VerQueryValueW
// would give. Every read is bounds-checked: hostile files yield "missing"
// or "not found", never a read outside the data.

#include "fileversion.h"

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace pe {

// Random access to the bytes of a file.
class ByteSource
{
public:
    virtual ~ByteSource() = default;
    virtual std::uint64_t size() const = 0;
    // Fills `count` bytes from `offset`. Only called for ranges within size().
    virtual bool read(std::uint64_t offset, void *out, std::size_t count) const = 0;
};

class MemoryBytes final : public ByteSource
{
public:
    MemoryBytes(const std::uint8_t *data, std::size_t size) : m_data(data), m_size(size) {}
    std::uint64_t size() const override { return m_size; }
    bool read(std::uint64_t offset, void *out, std::size_t count) const override;

private:
    const std::uint8_t *m_data;
    std::size_t m_size;
};

enum class ResourceStatus {
    Found,     // `bytes` holds the resource
    Missing,   // not a PE image, or no version resource (size 0 on Windows)
    Unreadable // the resource's data lies partly outside the file
};

struct VersionResource {
    ResourceStatus status = ResourceStatus::Missing;
    std::vector<std::uint8_t> bytes;
};

// The version resource (type 16, name 1) in the language Windows picks with
// an English user interface: neutral first, then the default languages,
// then English (United States), then the first one present.
VersionResource loadVersionResource(const ByteSource &file);

// Where a value lies inside a version resource.
struct ValueLocation {
    std::size_t offset = 0;     // first byte of the value
    std::size_t nodeEnd = 0;    // end of the node that holds it, within the resource
    std::uint16_t length = 0;   // the node's value length, as VerQueryValueW reports it
};

// Looks up a path such as "\StringFileInfo\040904b0\ProductName" the way
// VerQueryValueW does: components compared without regard to case, empty
// components skipped.
std::optional<ValueLocation> queryValue(const std::vector<std::uint8_t> &resource, std::u16string_view path);

// The block name from the first entry of "\VarFileInfo\Translation": the
// language and the code page as four lower-case hex digits each.
std::optional<std::u16string> firstTranslationBlock(const std::vector<std::uint8_t> &resource);

// A string value up to its terminator, never past the node that holds it.
std::u16string stringValue(const std::vector<std::uint8_t> &resource, const ValueLocation &value);

// The whole read: the resource, its first translation, then each key.
platform::FileVersionStrings readVersionStrings(const ByteSource &file, const std::vector<std::u16string> &keys);
// The same, for a version block already loaded (from a PE resource or an
// ELF section).
platform::FileVersionStrings stringsOf(const VersionResource &resource, const std::vector<std::u16string> &keys);

} // namespace pe
