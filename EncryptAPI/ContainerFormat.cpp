#include "ContainerFormat.h"

#include "ContentKey.h"

#include <cstdio>
#include <cstring>

namespace encryptapi {
namespace {

constexpr std::uint8_t kMagic[4] = {'G', 'V', 'L', 'U'};
constexpr std::uint8_t kVersion[4] = {1, 0, 72, 10};
// The version "1.0.072.004" whose files carry a 95-byte header to skip.
constexpr std::uint8_t kSkippedHeaderVersion[4] = {1, 0, 72, 4};
constexpr std::uint8_t kTypeRecord3Value[11] = {1, 1, 1, 2, 3, 2, 3, 1, 1, 2, 4};
constexpr std::size_t kVersionOffset = 50;
constexpr std::size_t kLocationRecordSize = 11;
constexpr std::size_t kLocationRecordOffsets[4] = {4, 15, 26, 37};
constexpr std::size_t kCheckRecordOffset = 89;
constexpr std::size_t kCreationTimeSize = 17;

enum RecordType : std::uint8_t {
    kFixedRecords = 1,
    kVariableRecords = 2,
    kKeyBlockRecord = 3,
    kDataRecord = 4,
    kVersionRecord = 0xA1,
    kTimeRecord = 0xA2,
    kTypeRecord = 0xA3,
    kCheckRecord = 0xA4,
};

void putLe32(std::uint8_t *at, std::uint32_t value)
{
    for (int i = 0; i < 4; ++i)
        at[i] = static_cast<std::uint8_t>(value >> (8 * i));
}

std::uint32_t getLe32(const std::uint8_t *at)
{
    return std::uint32_t(at[0]) | std::uint32_t(at[1]) << 8 | std::uint32_t(at[2]) << 16 |
           std::uint32_t(at[3]) << 24;
}

// Writes one record (type, L, value, continuation flag) and returns the
// position behind it.
std::uint8_t *putRecord(std::uint8_t *at, std::uint8_t type, const std::uint8_t *value, std::size_t size,
                        bool more)
{
    at[0] = type;
    at[1] = static_cast<std::uint8_t>(size + 1);
    std::memcpy(at + 2, value, size);
    at[2 + size] = more ? 1 : 0;
    return at + size + 3;
}

void putLocation(std::uint8_t *header, int slot, std::uint32_t offset, std::uint32_t length)
{
    std::uint8_t value[8];
    putLe32(value, offset);
    putLe32(value + 4, length);
    putRecord(header + kLocationRecordOffsets[slot], static_cast<std::uint8_t>(kFixedRecords + slot), value,
              sizeof value, true);
}

// Civil date from days since 1970-01-01 (proleptic Gregorian calendar).
void civilFromDays(std::int64_t days, std::int64_t &year, unsigned &month, unsigned &day)
{
    days += 719468;
    const std::int64_t era = (days >= 0 ? days : days - 146096) / 146097;
    const auto dayOfEra = static_cast<unsigned>(days - era * 146097);
    const unsigned yearOfEra = (dayOfEra - dayOfEra / 1460 + dayOfEra / 36524 - dayOfEra / 146096) / 365;
    const unsigned dayOfYear = dayOfEra - (365 * yearOfEra + yearOfEra / 4 - yearOfEra / 100);
    const unsigned shiftedMonth = (5 * dayOfYear + 2) / 153;
    day = dayOfYear - (153 * shiftedMonth + 2) / 5 + 1;
    month = shiftedMonth < 10 ? shiftedMonth + 3 : shiftedMonth - 9;
    year = static_cast<std::int64_t>(yearOfEra) + era * 400 + (month <= 2 ? 1 : 0);
}

std::int64_t floorDiv(std::int64_t value, std::int64_t divisor)
{
    return value / divisor - ((value % divisor < 0) ? 1 : 0);
}

struct RecordLimits
{
    std::uint8_t minL;
    std::uint8_t maxL;
};

bool annotatedRecordLimits(std::uint8_t type, RecordLimits &limits)
{
    switch (type) {
    case kVersionRecord: limits = {1, 5}; return true;
    case kTimeRecord: limits = {1, 18}; return true;
    case kTypeRecord: limits = {1, 12}; return true;
    // The check value is a full 32-bit number.
    case kCheckRecord: limits = {5, 5}; return true;
    default: return false;
    }
}

class RecordReader
{
public:
    RecordReader(const std::uint8_t *header, std::size_t size, ParsedHeader &parsed)
        : m_header(header), m_size(size), m_parsed(parsed)
    {}

    bool read()
    {
        std::size_t pos = sizeof kMagic;
        while (pos + 2 <= m_size) {
            std::size_t next = 0;
            if (!readRecord(pos, next))
                return false;
            const std::uint8_t flag = m_header[next - 1];
            if (flag == 0)
                return m_checkAt == pos && checkValueMatches();
            if (flag != 1)
                return false;
            pos = next;
        }
        return false; // the chain promises a record the header has no room for
    }

private:
    bool readRecord(std::size_t pos, std::size_t &next)
    {
        const std::uint8_t type = m_header[pos];
        const std::uint8_t length = m_header[pos + 1];
        if (type >= kFixedRecords && type <= kDataRecord) {
            next = pos + kLocationRecordSize;
            return next <= m_size && length == kLocationRecordSize - 2 && takeLocation(type, pos);
        }
        RecordLimits limits{};
        if (!annotatedRecordLimits(type, limits) || length < limits.minL || length > limits.maxL)
            return false;
        next = pos + length + 2;
        const unsigned bit = 1u << (type - kVersionRecord);
        if (next > m_size || (m_seenAnnotated & bit))
            return false;
        m_seenAnnotated |= bit;
        if (type == kCheckRecord)
            m_checkAt = pos;
        return true;
    }

    bool takeLocation(std::uint8_t type, std::size_t pos)
    {
        const unsigned bit = 1u << type;
        if (m_locationSlots == 4 || (m_seenLocations & bit))
            return false;
        ++m_locationSlots;
        m_seenLocations |= bit;
        Section section;
        section.offset = getLe32(m_header + pos + 2);
        section.length = getLe32(m_header + pos + 6);
        section.present = true;
        if (type == kKeyBlockRecord)
            m_parsed.keyBlock = section;
        else if (type == kDataRecord)
            m_parsed.data = section;
        return true;
    }

    bool checkValueMatches() const
    {
        return crcRegister(m_header, m_checkAt) == getLe32(m_header + m_checkAt + 2);
    }

    const std::uint8_t *m_header;
    std::size_t m_size;
    ParsedHeader &m_parsed;
    int m_locationSlots = 0;
    unsigned m_seenLocations = 0;
    unsigned m_seenAnnotated = 0;
    std::size_t m_checkAt = 0;
};

} // namespace

std::string creationTimeText(std::int64_t utcMilliseconds)
{
    const std::int64_t seconds = floorDiv(utcMilliseconds, 1000);
    const std::int64_t days = floorDiv(seconds, 86400);
    const std::int64_t secondOfDay = seconds - days * 86400;
    std::int64_t year = 0;
    unsigned month = 0;
    unsigned day = 0;
    civilFromDays(days, year, month, day);
    char text[64];
    std::snprintf(text, sizeof text, "%lld%u%u%d%d%d%d", static_cast<long long>(year), month, day,
                  static_cast<int>(secondOfDay / 3600), static_cast<int>(secondOfDay / 60 % 60),
                  static_cast<int>(secondOfDay % 60), static_cast<int>(utcMilliseconds - seconds * 1000));
    return text;
}

void buildNewHeader(std::uint8_t *header, std::int64_t utcMilliseconds)
{
    std::memset(header, 0, kHeaderSize);
    std::memcpy(header, kMagic, sizeof kMagic);
    for (int slot = 0; slot < 4; ++slot)
        putLocation(header, slot, 0, 0);
    std::uint8_t *at = header + kLocationRecordOffsets[3] + kLocationRecordSize;
    at = putRecord(at, kVersionRecord, kVersion, sizeof kVersion, true);
    std::uint8_t time[kCreationTimeSize] = {};
    const std::string text = creationTimeText(utcMilliseconds);
    std::memcpy(time, text.data(), text.size() < sizeof time ? text.size() : sizeof time);
    at = putRecord(at, kTimeRecord, time, sizeof time, true);
    at = putRecord(at, kTypeRecord, kTypeRecord3Value, sizeof kTypeRecord3Value, true);
    std::uint8_t check[4];
    putLe32(check, headerCheckValue(header));
    putRecord(at, kCheckRecord, check, sizeof check, false);
}

void finishHeader(std::uint8_t *header, std::uint32_t dataLength)
{
    putLocation(header, 0, 4, 44);
    putLocation(header, 1, 48, 48);
    putLocation(header, 2, kHeaderSize, kKeyBlockSize);
    putLocation(header, 3, kHeaderSize + kKeyBlockSize, dataLength);
    putLe32(header + kCheckRecordOffset + 2, headerCheckValue(header));
}

std::uint32_t headerCheckValue(const std::uint8_t *header)
{
    return crcRegister(header, kCheckRecordOffset);
}

bool parseHeader(const std::uint8_t *header, std::size_t size, ParsedHeader &parsed)
{
    parsed = ParsedHeader();
    return size >= sizeof kMagic && RecordReader(header, size, parsed).read();
}

std::size_t headerLength(std::uint32_t headerMode)
{
    switch (headerMode) {
    case 4: return kHeaderSize;
    case 3: return kSkippedHeaderSize;
    default: return 0;
    }
}

Result locateSections(std::uint32_t headerMode, const ParsedHeader &parsed, std::uint64_t fileSize,
                      Layout &layout)
{
    if (headerMode == 4) {
        if (!parsed.keyBlock.present || !parsed.data.present || parsed.keyBlock.length < kKeyBlockSize)
            return kMalformed;
        layout.keyBlockOffset = parsed.keyBlock.offset;
        layout.dataOffset = parsed.data.offset;
        layout.dataLength = parsed.data.length;
    } else {
        layout.keyBlockOffset = headerLength(headerMode);
        layout.dataOffset = layout.keyBlockOffset + kKeyBlockSize;
        layout.dataLength = fileSize > layout.dataOffset ? fileSize - layout.dataOffset : 0;
    }
    // Offsets come from 32-bit fields, so these sums cannot overflow.
    if (layout.keyBlockOffset + kKeyBlockSize > fileSize || layout.dataOffset + layout.dataLength > fileSize)
        return kMalformed;
    if (headerMode == 4)
        return dataSectionShapeValid(layout.dataLength) ? kOk : kMalformed;
    // Without a header nothing tells where the data was meant to end: the
    // whole blocks before the last two bytes are read, as a file of an older
    // layout or a damaged one still yields text, if wrong text.
    return layout.dataLength != 1 ? kOk : kMalformed;
}

std::int32_t versionProbe(const std::uint8_t *bytes, std::size_t size)
{
    if (size < kVersionProbeSize)
        return 1;
    if (std::memcmp(bytes, kMagic, sizeof kMagic) != 0)
        return 2;
    return std::memcmp(bytes + kVersionOffset, kSkippedHeaderVersion, sizeof kSkippedHeaderVersion) == 0 ? 3 : 4;
}

bool dataSectionShapeValid(std::uint64_t length)
{
    return length == 0 || (length >= kCipherBlock + kPaddingDigits && (length - kPaddingDigits) % kCipherBlock == 0);
}

std::uint64_t dataSectionSize(std::uint64_t plainSize)
{
    if (plainSize == 0)
        return 0;
    return (plainSize + kCipherBlock - 1) / kCipherBlock * kCipherBlock + kPaddingDigits;
}

int paddingCount(const std::uint8_t *digits)
{
    if (digits[0] < '0' || digits[0] > '9' || digits[1] < '0' || digits[1] > '9')
        return -1;
    const int count = (digits[0] - '0') * 10 + (digits[1] - '0');
    return count < static_cast<int>(kCipherBlock) ? count : -1;
}

void writePaddingDigits(std::uint64_t plainSize, std::uint8_t *digits)
{
    const unsigned tail = static_cast<unsigned>(plainSize % kCipherBlock);
    const unsigned padding = tail == 0 ? 0 : kCipherBlock - tail;
    digits[0] = static_cast<std::uint8_t>('0' + padding / 10);
    digits[1] = static_cast<std::uint8_t>('0' + padding % 10);
}

} // namespace encryptapi
