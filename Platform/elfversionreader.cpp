#include "elfversionreader.h"

#include <algorithm>
#include <cstring>

namespace elf {
namespace {

constexpr std::uint8_t kClass32 = 1;
constexpr std::uint8_t kClass64 = 2;
constexpr std::uint8_t kLittleEndian = 1;
constexpr std::uint32_t kNoBits = 8;              // SHT_NOBITS: the section has no bytes in the file
constexpr std::uint16_t kExtendedIndex = 0xFFFF;  // SHN_XINDEX
// As far as the PE reader copies a resource; no version block is larger.
constexpr std::uint64_t kMaxBlock = 1u << 20;
// Real executables have a few dozen sections; this bounds the work on a
// header that claims billions.
constexpr std::uint64_t kMaxSections = 1u << 16;

bool readLittle(const pe::ByteSource &file, std::uint64_t offset, std::size_t count, std::uint64_t &value)
{
    std::uint8_t bytes[8];
    if (count > sizeof bytes || offset > file.size() || file.size() - offset < count
        || !file.read(offset, bytes, count))
        return false;
    value = 0;
    for (std::size_t i = count; i-- > 0;)
        value = value << 8 | bytes[i];
    return true;
}

// Where the fields of the two ELF classes lie.
struct Layout {
    std::uint64_t sectionTable, entrySize, count, namesIndex; // file header fields
    std::size_t wordSize;                                      // size of an address or offset
    std::uint64_t minEntrySize;
    std::uint64_t typeAt, offsetAt, sizeAt, linkAt;            // within a section header
};

constexpr Layout kLayout32 {0x20, 0x2E, 0x30, 0x32, 4, 40, 4, 16, 20, 24};
constexpr Layout kLayout64 {0x28, 0x3A, 0x3C, 0x3E, 8, 64, 4, 24, 32, 40};

struct SectionHeader {
    std::uint64_t name = 0, type = 0, offset = 0, size = 0, link = 0;
};

class Sections
{
public:
    Sections(const pe::ByteSource &file, const Layout &layout) : m_file(file), m_layout(layout) {}

    bool readHeader()
    {
        std::uint64_t namesIndex = 0;
        if (!readLittle(m_file, m_layout.sectionTable, m_layout.wordSize, m_table)
            || !readLittle(m_file, m_layout.entrySize, 2, m_entrySize)
            || !readLittle(m_file, m_layout.count, 2, m_count) || !readLittle(m_file, m_layout.namesIndex, 2, namesIndex)
            || m_table == 0 || m_entrySize < m_layout.minEntrySize)
            return false;
        // Past 0xFF00 sections the count and the names' index move into
        // the first section header.
        SectionHeader first;
        if ((m_count == 0 || namesIndex == kExtendedIndex) && !at(0, first))
            return false;
        if (m_count == 0)
            m_count = first.size;
        if (namesIndex == kExtendedIndex)
            namesIndex = first.link;
        m_count = std::min(m_count, kMaxSections);
        return namesIndex < m_count && at(namesIndex, m_names);
    }

    bool at(std::uint64_t index, SectionHeader &header) const
    {
        if (m_entrySize != 0 && index > (m_file.size() - std::min(m_file.size(), m_table)) / m_entrySize)
            return false;
        const std::uint64_t base = m_table + index * m_entrySize;
        return readLittle(m_file, base, 4, header.name) && readLittle(m_file, base + m_layout.typeAt, 4, header.type)
               && readLittle(m_file, base + m_layout.offsetAt, m_layout.wordSize, header.offset)
               && readLittle(m_file, base + m_layout.sizeAt, m_layout.wordSize, header.size)
               && readLittle(m_file, base + m_layout.linkAt, 4, header.link);
    }

    // The section's name equals `wanted`, read within the names section.
    bool named(const SectionHeader &header, const char *wanted) const
    {
        const std::size_t length = std::strlen(wanted) + 1;
        char name[64];
        if (length > sizeof name || header.name > m_names.size || m_names.size - header.name < length
            || m_names.offset > m_file.size() || m_file.size() - m_names.offset < header.name + length
            || !m_file.read(m_names.offset + header.name, name, length))
            return false;
        return std::memcmp(name, wanted, length) == 0;
    }

    std::uint64_t count() const { return m_count; }

private:
    const pe::ByteSource &m_file;
    const Layout &m_layout;
    std::uint64_t m_table = 0;
    std::uint64_t m_entrySize = 0;
    std::uint64_t m_count = 0;
    SectionHeader m_names;
};

const Layout *layoutOf(const pe::ByteSource &file)
{
    std::uint8_t ident[6];
    if (file.size() < sizeof ident || !file.read(0, ident, sizeof ident) || std::memcmp(ident, "\x7f" "ELF", 4) != 0
        || ident[5] != kLittleEndian)
        return nullptr;
    return ident[4] == kClass64 ? &kLayout64 : ident[4] == kClass32 ? &kLayout32 : nullptr;
}

} // namespace

pe::VersionResource loadVersionSection(const pe::ByteSource &file)
{
    pe::VersionResource result;
    const Layout *layout = layoutOf(file);
    if (!layout)
        return result;
    Sections sections(file, *layout);
    if (!sections.readHeader())
        return result;
    for (std::uint64_t i = 1; i < sections.count(); ++i) {
        SectionHeader header;
        if (!sections.at(i, header))
            return result;
        if (header.type == kNoBits || !sections.named(header, kVersionSection))
            continue;
        if (header.size == 0)
            return result;
        if (header.offset > file.size() || file.size() - header.offset < header.size) {
            result.status = pe::ResourceStatus::Unreadable;
            return result;
        }
        result.bytes.resize(static_cast<std::size_t>(std::min(header.size, kMaxBlock)));
        if (!file.read(header.offset, result.bytes.data(), result.bytes.size())) {
            result.bytes.clear();
            result.status = pe::ResourceStatus::Unreadable;
            return result;
        }
        result.status = pe::ResourceStatus::Found;
        return result;
    }
    return result;
}

platform::FileVersionStrings readVersionStrings(const pe::ByteSource &file, const std::vector<std::u16string> &keys)
{
    pe::VersionResource resource = loadVersionSection(file);
    if (resource.status == pe::ResourceStatus::Missing)
        resource = pe::loadVersionResource(file);
    return pe::stringsOf(resource, keys);
}

} // namespace elf
