#include "ContentKey.h"

#include <cstdio>

namespace encryptapi {
namespace {

struct CrcTable
{
    std::uint32_t entries[256];
    constexpr CrcTable() : entries()
    {
        for (std::uint32_t i = 0; i < 256; ++i) {
            std::uint32_t value = i;
            for (int bit = 0; bit < 8; ++bit)
                value = (value & 1u) ? (value >> 1) ^ 0xEDB88320u : value >> 1;
            entries[i] = value;
        }
    }
};

constexpr CrcTable kTable;

void writeHexField(std::uint32_t value, std::uint8_t *field)
{
    char text[9] = {};
    std::snprintf(text, sizeof text, "%X", static_cast<unsigned>(value));
    for (int i = 0; i < 8; ++i)
        field[i] = static_cast<std::uint8_t>(text[i]);
}

} // namespace

std::uint32_t crcRegister(const std::uint8_t *data, std::size_t size, std::uint32_t start)
{
    std::uint32_t crc = start;
    for (std::size_t i = 0; i < size; ++i)
        crc = (crc >> 8) ^ kTable.entries[(crc ^ data[i]) & 0xFFu];
    return crc;
}

ContentKey contentKey(const std::uint8_t *keyBlock)
{
    ContentKey key{};
    writeHexField(crcRegister(keyBlock, kKeyBlockSize), key.data());
    writeHexField(crcRegister(keyBlock, kKeyBlockSize, kSecondKeyCrcStart), key.data() + 8);
    return key;
}

} // namespace encryptapi
