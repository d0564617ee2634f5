#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

// The container's layout, free of I/O: header records, where the key block
// and the data lie, and the data section's padding digits.
namespace encryptapi {

constexpr std::size_t kHeaderSize = 96;
constexpr std::size_t kSkippedHeaderSize = 95;
constexpr std::size_t kPaddingDigits = 2;
constexpr std::size_t kCipherBlock = 16;
// CheckAcpFileVer reads the magic and the version bytes at 50 to 53.
constexpr std::size_t kVersionProbeSize = 55;

enum Result : std::int32_t { kOk = 0, kFailed = 1, kMalformed = 2 };

struct Section
{
    std::uint64_t offset = 0;
    std::uint64_t length = 0;
    bool present = false;
};

struct ParsedHeader
{
    Section keyBlock;
    Section data;
};

struct Layout
{
    std::uint64_t keyBlockOffset = 0;
    std::uint64_t dataOffset = 0;
    std::uint64_t dataLength = 0;
};

// "%d%d%d%d%d%d%d" of the UTC year, month, day, hour, minute, second and
// millisecond of a time given in milliseconds since 1970.
std::string creationTimeText(std::int64_t utcMilliseconds);

// A header as the library writes it before the data is known: zero offsets
// and lengths in records 1 to 4, the creation time and a check value.
void buildNewHeader(std::uint8_t *header, std::int64_t utcMilliseconds);
// Fills in records 1 to 4 for a data section of dataLength bytes and
// recomputes the check value.
void finishHeader(std::uint8_t *header, std::uint32_t dataLength);
std::uint32_t headerCheckValue(const std::uint8_t *header);

// Reads the record chain of a full header. False for a malformed chain or a
// check value that does not match.
bool parseHeader(const std::uint8_t *header, std::size_t size, ParsedHeader &parsed);

// Where key block and data lie in a file of fileSize bytes read in the given
// header mode (parsed is used in the full-header mode only). kMalformed when
// a section is missing, lies outside the file, or the data is not n cipher
// blocks and two digits.
Result locateSections(std::uint32_t headerMode, const ParsedHeader &parsed, std::uint64_t fileSize,
                      Layout &layout);
std::size_t headerLength(std::uint32_t headerMode);

// The checked version probe of CheckAcpFileVer on the first bytes of a file.
std::int32_t versionProbe(const std::uint8_t *bytes, std::size_t size);

// A data section holds no blocks at all, or n >= 1 blocks and two digits.
bool dataSectionShapeValid(std::uint64_t length);
// Size of the data section for plainSize bytes: 0 for 0, else the size
// rounded up to whole blocks, plus the digits.
std::uint64_t dataSectionSize(std::uint64_t plainSize);
// How many padding bytes the last block carries, from the digits "00" to
// "15"; -1 for anything else.
int paddingCount(const std::uint8_t *digits);
void writePaddingDigits(std::uint64_t plainSize, std::uint8_t *digits);

} // namespace encryptapi
