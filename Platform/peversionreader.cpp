#include "peversionreader.h"

#include <algorithm>
#include <cstring>

namespace pe {
namespace {

constexpr std::uint16_t kDosMagic = 0x5A4D;         // "MZ"
constexpr std::uint32_t kPeSignature = 0x00004550;  // "PE\0\0"
constexpr std::uint16_t kPe32Magic = 0x10B;
constexpr std::uint16_t kPe32PlusMagic = 0x20B;
constexpr std::uint32_t kResourceDirectoryIndex = 2;
constexpr std::uint16_t kVersionResourceType = 16;  // RT_VERSION
constexpr std::uint16_t kVersionResourceName = 1;   // VS_VERSION_INFO
constexpr std::size_t kSectionHeaderSize = 40;
constexpr std::size_t kNodeHeaderSize = 6;          // wLength, wValueLength, wType
// A lookup of at most three levels never reaches further than this into a
// resource (each level's offsets and lengths are 16-bit), so a resource that
// claims more is copied only this far.
constexpr std::size_t kMaxResourceCopy = 1u << 20;

bool readU16(const ByteSource &file, std::uint64_t offset, std::uint16_t &value)
{
    std::uint8_t bytes[2];
    if (offset > file.size() || file.size() - offset < sizeof bytes || !file.read(offset, bytes, sizeof bytes))
        return false;
    value = static_cast<std::uint16_t>(bytes[0] | bytes[1] << 8);
    return true;
}

bool readU32(const ByteSource &file, std::uint64_t offset, std::uint32_t &value)
{
    std::uint8_t bytes[4];
    if (offset > file.size() || file.size() - offset < sizeof bytes || !file.read(offset, bytes, sizeof bytes))
        return false;
    value = static_cast<std::uint32_t>(bytes[0]) | static_cast<std::uint32_t>(bytes[1]) << 8
            | static_cast<std::uint32_t>(bytes[2]) << 16 | static_cast<std::uint32_t>(bytes[3]) << 24;
    return true;
}

struct Section {
    std::uint32_t virtualAddress;
    std::uint32_t rawSize;
    std::uint32_t rawOffset;
};

// The parts of the headers the resource lookup needs.
struct Image {
    std::uint32_t resourceRva = 0;
    std::uint32_t resourceSize = 0;
    std::vector<Section> sections;

    // As the version API maps addresses: the section whose raw data covers the address.
    std::optional<std::uint64_t> fileOffset(std::uint32_t rva) const
    {
        for (const Section &section : sections) {
            if (rva >= section.virtualAddress && rva - section.virtualAddress < section.rawSize)
                return std::uint64_t(section.rawOffset) + (rva - section.virtualAddress);
        }
        return std::nullopt;
    }
};

std::optional<Image> readImageHeaders(const ByteSource &file)
{
    std::uint16_t dosMagic = 0;
    std::uint32_t ntOffset = 0;
    std::uint32_t signature = 0;
    if (!readU16(file, 0, dosMagic) || dosMagic != kDosMagic || !readU32(file, 0x3C, ntOffset)
        || !readU32(file, ntOffset, signature) || signature != kPeSignature)
        return std::nullopt;
    const std::uint64_t fileHeader = std::uint64_t(ntOffset) + 4;
    const std::uint64_t optionalHeader = fileHeader + 20;
    std::uint16_t sectionCount = 0;
    std::uint16_t optionalHeaderSize = 0;
    std::uint16_t magic = 0;
    if (!readU16(file, fileHeader + 2, sectionCount) || !readU16(file, fileHeader + 16, optionalHeaderSize)
        || !readU16(file, optionalHeader, magic))
        return std::nullopt;
    std::uint64_t directoryCountField = 0;
    std::uint64_t directories = 0;
    if (magic == kPe32Magic) {
        directoryCountField = optionalHeader + 92;
        directories = optionalHeader + 96;
    } else if (magic == kPe32PlusMagic) {
        directoryCountField = optionalHeader + 108;
        directories = optionalHeader + 112;
    } else {
        return std::nullopt;
    }
    Image image;
    std::uint32_t directoryCount = 0;
    if (!readU32(file, directoryCountField, directoryCount) || directoryCount <= kResourceDirectoryIndex
        || !readU32(file, directories + 8 * kResourceDirectoryIndex, image.resourceRva)
        || !readU32(file, directories + 8 * kResourceDirectoryIndex + 4, image.resourceSize))
        return std::nullopt;
    const std::uint64_t sectionTable = optionalHeader + optionalHeaderSize;
    for (std::uint16_t i = 0; i < sectionCount; ++i) {
        const std::uint64_t header = sectionTable + std::uint64_t(i) * kSectionHeaderSize;
        Section section {};
        if (!readU32(file, header + 12, section.virtualAddress) || !readU32(file, header + 16, section.rawSize)
            || !readU32(file, header + 20, section.rawOffset))
            return std::nullopt;
        image.sections.push_back(section);
    }
    return image;
}

// Resource directories: named entries first, then ID entries in ascending
// order, searched by halving as the Windows loader does.
std::optional<std::uint64_t> findEntryById(const ByteSource &file, std::uint64_t root, std::uint64_t directory,
                                           std::uint16_t id)
{
    std::uint16_t named = 0;
    std::uint16_t ids = 0;
    if (!readU16(file, directory + 12, named) || !readU16(file, directory + 14, ids))
        return std::nullopt;
    long low = named;
    long high = long(named) + ids - 1;
    while (low <= high) {
        const long middle = (low + high) / 2;
        const std::uint64_t entry = directory + 16 + std::uint64_t(middle) * 8;
        std::uint32_t name = 0;
        std::uint32_t target = 0;
        if (!readU32(file, entry, name) || !readU32(file, entry + 4, target))
            return std::nullopt;
        const auto entryId = static_cast<std::uint16_t>(name & 0xFFFF);
        if (entryId == id)
            return root + (target & 0x7FFFFFFF);
        if (entryId > id)
            high = middle - 1;
        else
            low = middle + 1;
    }
    return std::nullopt;
}

std::optional<std::uint64_t> findLanguageEntry(const ByteSource &file, std::uint64_t root, std::uint64_t directory)
{
    // Neutral, user default, system default, English (United States).
    for (std::uint16_t language : {0x0000, 0x0400, 0x0800, 0x0409}) {
        if (auto entry = findEntryById(file, root, directory, language))
            return entry;
    }
    std::uint16_t named = 0;
    std::uint16_t ids = 0;
    std::uint32_t target = 0;
    if (!readU16(file, directory + 12, named) || !readU16(file, directory + 14, ids) || named + ids == 0
        || !readU32(file, directory + 16 + 4, target))
        return std::nullopt;
    return root + (target & 0x7FFFFFFF);
}

// --- The tree of the version resource itself --------------------------------

std::size_t align4(std::size_t value)
{
    return (value + 3) & ~std::size_t(3);
}

struct Bytes {
    const std::vector<std::uint8_t> &data;

    bool has(std::size_t offset, std::size_t count) const
    {
        return offset <= data.size() && data.size() - offset >= count;
    }
    std::uint16_t u16(std::size_t offset) const // callers check has(offset, 2)
    {
        return static_cast<std::uint16_t>(data[offset] | data[offset + 1] << 8);
    }
};

// A node of the tree: its offset and the length of its key, which fixes
// where its value and its children begin.
struct Node {
    std::size_t offset;
    std::size_t keyLength;

    std::size_t valueOffset() const { return align4(offset + kNodeHeaderSize + (keyLength + 1) * 2); }
};

std::size_t childrenOffset(Bytes bytes, Node node)
{
    const std::uint16_t valueLength = bytes.u16(node.offset + 2);
    const std::uint16_t type = bytes.u16(node.offset + 4);
    return node.valueOffset() + align4(std::size_t(valueLength) * (type ? 2 : 1));
}

char16_t foldAscii(char16_t c)
{
    return c >= u'A' && c <= u'Z' ? char16_t(c - u'A' + u'a') : c;
}

// The child's key equals `key` exactly, without regard to ASCII case.
bool keyMatches(Bytes bytes, std::size_t child, std::u16string_view key)
{
    const std::size_t first = child + kNodeHeaderSize;
    for (std::size_t i = 0; i <= key.size(); ++i) {
        if (!bytes.has(first + 2 * i, 2))
            return false;
        const char16_t c = bytes.u16(first + 2 * i);
        if (i == key.size())
            return c == 0;
        if (foldAscii(c) != foldAscii(key[i]))
            return false;
    }
    return false;
}

std::optional<Node> findChild(Bytes bytes, Node parent, std::u16string_view key)
{
    const std::size_t end = parent.offset + bytes.u16(parent.offset);
    for (std::size_t child = childrenOffset(bytes, parent); child < end;) {
        if (!bytes.has(child, kNodeHeaderSize))
            return std::nullopt;
        if (keyMatches(bytes, child, key))
            return Node {child, key.size()};
        const std::uint16_t length = bytes.u16(child);
        if (length == 0)
            return std::nullopt;
        child += align4(length);
    }
    return std::nullopt;
}

std::optional<Node> rootNode(Bytes bytes)
{
    if (!bytes.has(0, kNodeHeaderSize))
        return std::nullopt;
    for (std::size_t i = 0; bytes.has(kNodeHeaderSize + 2 * i, 2); ++i) {
        if (bytes.u16(kNodeHeaderSize + 2 * i) == 0)
            return Node {0, i};
    }
    return std::nullopt;
}

void appendHex4(std::u16string &out, std::uint16_t value)
{
    static const char16_t digits[] = u"0123456789abcdef";
    for (int shift = 12; shift >= 0; shift -= 4)
        out += digits[(value >> shift) & 0xF];
}

} // namespace

bool MemoryBytes::read(std::uint64_t offset, void *out, std::size_t count) const
{
    if (offset > m_size || m_size - offset < count)
        return false;
    if (count)
        std::memcpy(out, m_data + offset, count);
    return true;
}

VersionResource loadVersionResource(const ByteSource &file)
{
    VersionResource result;
    const std::optional<Image> image = readImageHeaders(file);
    if (!image || image->resourceSize == 0)
        return result;
    const std::optional<std::uint64_t> root = image->fileOffset(image->resourceRva);
    if (!root)
        return result;
    std::optional<std::uint64_t> entry = findEntryById(file, *root, *root, kVersionResourceType);
    if (entry)
        entry = findEntryById(file, *root, *entry, kVersionResourceName);
    if (entry)
        entry = findLanguageEntry(file, *root, *entry);
    std::uint32_t dataRva = 0;
    std::uint32_t dataSize = 0;
    if (!entry || !readU32(file, *entry, dataRva) || !readU32(file, *entry + 4, dataSize) || dataSize == 0)
        return result;
    const std::optional<std::uint64_t> data = image->fileOffset(dataRva);
    if (!data)
        return result;
    if (*data > file.size() || file.size() - *data < dataSize) {
        result.status = ResourceStatus::Unreadable;
        return result;
    }
    result.bytes.resize(std::min<std::size_t>(dataSize, kMaxResourceCopy));
    if (!file.read(*data, result.bytes.data(), result.bytes.size())) {
        result.bytes.clear();
        result.status = ResourceStatus::Unreadable;
        return result;
    }
    result.status = ResourceStatus::Found;
    return result;
}

std::optional<ValueLocation> queryValue(const std::vector<std::uint8_t> &resource, std::u16string_view path)
{
    const Bytes bytes {resource};
    std::optional<Node> node = rootNode(bytes);
    while (node && !path.empty()) {
        const std::size_t slash = path.find(u'\\');
        const std::u16string_view component = path.substr(0, slash);
        path = slash == std::u16string_view::npos ? std::u16string_view() : path.substr(slash + 1);
        if (!component.empty())
            node = findChild(bytes, *node, component);
    }
    if (!node)
        return std::nullopt;
    ValueLocation value;
    value.offset = node->valueOffset();
    value.nodeEnd = std::min(resource.size(), node->offset + bytes.u16(node->offset));
    value.length = bytes.u16(node->offset + 2);
    return value;
}

std::optional<std::u16string> firstTranslationBlock(const std::vector<std::uint8_t> &resource)
{
    const std::optional<ValueLocation> table = queryValue(resource, u"\\VarFileInfo\\Translation");
    const Bytes bytes {resource};
    if (!table || table->length < 4 || !bytes.has(table->offset, 4))
        return std::nullopt;
    std::u16string block;
    appendHex4(block, bytes.u16(table->offset));
    appendHex4(block, bytes.u16(table->offset + 2));
    return block;
}

std::u16string stringValue(const std::vector<std::uint8_t> &resource, const ValueLocation &value)
{
    const Bytes bytes {resource};
    std::u16string text;
    for (std::size_t at = value.offset; at + 2 <= value.nodeEnd && bytes.has(at, 2); at += 2) {
        const char16_t c = bytes.u16(at);
        if (c == 0)
            break;
        text += c;
    }
    return text;
}

platform::FileVersionStrings readVersionStrings(const ByteSource &file, const std::vector<std::u16string> &keys)
{
    return stringsOf(loadVersionResource(file), keys);
}

platform::FileVersionStrings stringsOf(const VersionResource &resource, const std::vector<std::u16string> &keys)
{
    using Status = platform::FileVersionStrings::Status;
    platform::FileVersionStrings result;
    if (resource.status == ResourceStatus::Missing) {
        result.status = Status::NoVersionResource;
        return result;
    }
    if (resource.status == ResourceStatus::Unreadable) {
        result.status = Status::ReadFailed;
        return result;
    }
    result.status = Status::Read;
    result.values.resize(keys.size());
    const std::optional<std::u16string> block = firstTranslationBlock(resource.bytes);
    if (!block)
        return result;
    result.block = *block;
    for (std::size_t i = 0; i < keys.size(); ++i) {
        const std::u16string path = u"\\StringFileInfo\\" + *block + u"\\" + keys[i];
        if (const std::optional<ValueLocation> value = queryValue(resource.bytes, path))
            result.values[i] = stringValue(resource.bytes, *value);
    }
    return result;
}

} // namespace pe
