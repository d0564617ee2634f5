// EncryptString / DecryptString: a string under the library's own AES-128
// key. The plain text is "%04d" of its length in bytes, then the string as
// UTF-16 little-endian, zero-filled to whole blocks.

#include "EncryptApi.h"

#include "BlockCipher.h"
#include "ContainerFormat.h"

#include <cstdio>
#include <cstring>
#include <vector>

using namespace encryptapi;

namespace {

constexpr std::uint8_t kStringKey[16] = {'V', 'e', 'm', 'o', ' ', 'P', 'o', 'r',
                                         't', 'v', 'i', 'e', 'w', '-', 'S', '1'};
constexpr std::size_t kPrefix = 4;
// The prefix has four digits.
constexpr std::size_t kMaxTextBytes = 9999;
constexpr std::size_t kMaxTextChars = kMaxTextBytes / 2;

std::size_t roundToBlocks(std::size_t size)
{
    return (size + kCipherBlock - 1) / kCipherBlock * kCipherBlock;
}

// Characters before the terminator, or -1 when there are too many.
long textLength(const EncryptChar *text)
{
    for (std::size_t i = 0; i <= kMaxTextChars; ++i) {
        if (text[i] == 0)
            return static_cast<long>(i);
    }
    return -1;
}

bool runCipher(const std::uint8_t *in, std::uint8_t *out, std::size_t size, bool encrypt)
{
    EcbCipher cipher;
    return cipher.start(ENCRYPT_ALGORITHM_AES, 128, kStringKey, encrypt) && cipher.run(in, out, size);
}

bool onlyZeros(const std::uint8_t *bytes, std::size_t size)
{
    for (std::size_t i = 0; i < size; ++i) {
        if (bytes[i] != 0)
            return false;
    }
    return true;
}

// The byte count of the prefix, or -1 when the prefix is not four digits.
long prefixValue(const std::uint8_t *plain)
{
    long value = 0;
    for (std::size_t i = 0; i < kPrefix; ++i) {
        if (plain[i] < '0' || plain[i] > '9')
            return -1;
        value = value * 10 + (plain[i] - '0');
    }
    return value;
}

} // namespace

extern "C" {

int32_t EncryptString(const EncryptChar *text, unsigned char *output, uint32_t outputSize, uint32_t *outputLength)
{
    if (!text || !outputLength)
        return kFailed;
    const long chars = textLength(text);
    if (chars < 0)
        return kFailed;
    const std::size_t bytes = static_cast<std::size_t>(chars) * 2;
    const std::size_t cipherSize = roundToBlocks(kPrefix + bytes);
    *outputLength = static_cast<uint32_t>(cipherSize);
    if (!output || outputSize < cipherSize)
        return kFailed;
    std::vector<std::uint8_t> plain(cipherSize, 0);
    char prefix[kPrefix + 1];
    std::snprintf(prefix, sizeof prefix, "%04d", static_cast<int>(bytes));
    std::memcpy(plain.data(), prefix, kPrefix);
    for (long i = 0; i < chars; ++i) {
        const auto unit = static_cast<std::uint16_t>(text[i]);
        plain[kPrefix + 2 * i] = static_cast<std::uint8_t>(unit & 0xFF);
        plain[kPrefix + 2 * i + 1] = static_cast<std::uint8_t>(unit >> 8);
    }
    return runCipher(plain.data(), output, cipherSize, true) ? kOk : kFailed;
}

int32_t DecryptString(const unsigned char *input, uint32_t length, EncryptChar *text, uint32_t textChars)
{
    if (!input || !text || length == 0 || length % kCipherBlock != 0 ||
        length > roundToBlocks(kPrefix + kMaxTextBytes))
        return kFailed;
    std::vector<std::uint8_t> plain(length);
    if (!runCipher(input, plain.data(), length, false))
        return kFailed;
    const long bytes = prefixValue(plain.data());
    // Anything else than the layout above is the wrong key or damaged data.
    if (bytes < 0 || bytes % 2 != 0 || kPrefix + static_cast<std::size_t>(bytes) > length ||
        !onlyZeros(plain.data() + kPrefix + bytes, length - kPrefix - static_cast<std::size_t>(bytes)) ||
        static_cast<std::size_t>(bytes / 2) + 1 > textChars)
        return kFailed;
    for (long i = 0; i < bytes / 2; ++i)
        text[i] = static_cast<EncryptChar>(plain[kPrefix + 2 * i] | (plain[kPrefix + 2 * i + 1] << 8));
    text[bytes / 2] = 0;
    return kOk;
}

} // extern "C"
