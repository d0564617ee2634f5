#include "FileContainer.h"

#include "BlockCipher.h"
#include "ContainerFormat.h"
#include "ContentKey.h"
#include "EncryptLog.h"
#include "NativeFile.h"

#include <openssl/rand.h>

#include <chrono>
#include <cstring>
#include <memory>
#include <new>

namespace encryptapi {
namespace {

constexpr std::size_t kMaxChunk = std::size_t(1) << 20;

// Large files go through in 1 MiB pieces; small ones get a buffer of their
// own size, whole blocks.
struct Chunk
{
    std::size_t capacity;
    std::unique_ptr<std::uint8_t[]> data;

    explicit Chunk(std::uint64_t wanted)
        : capacity(wanted >= kMaxChunk ? kMaxChunk
                                       : static_cast<std::size_t>(wanted / kCipherBlock + 1) * kCipherBlock),
          data(new (std::nothrow) std::uint8_t[capacity])
    {}
};

// The content key as the cipher takes it: the 16 derived bytes, followed by
// zeros for the longer AES keys.
struct CipherKey
{
    std::uint8_t bytes[32] = {};
    explicit CipherKey(const std::uint8_t *keyBlock)
    {
        const ContentKey key = contentKey(keyBlock);
        std::memcpy(bytes, key.data(), key.size());
    }
};

struct Paths
{
    fs::path source;
    fs::path destination;
};

bool jobPaths(const EncryptFileJob &job, Paths &paths)
{
    return job.key && nativePath(job.source, paths.source) && nativePath(job.destination, paths.destination) &&
           cipherAccepted(job.algorithm, job.keyBits);
}

// Encrypts the source to its end: whole blocks, the last one zero-filled,
// then the padding digits. Returns the plain size through plainSize.
bool encryptData(File &source, File &out, EcbCipher &cipher, std::uint64_t &plainSize)
{
    std::uint64_t expected = 0;
    if (!source.size(expected))
        return false;
    const Chunk chunk(expected);
    std::uint8_t *buffer = chunk.data.get();
    if (!buffer)
        return false;
    plainSize = 0;
    for (;;) {
        const std::size_t got = source.read(buffer, chunk.capacity);
        if (!source.good())
            return false;
        plainSize += got;
        std::size_t whole = got;
        if (got % kCipherBlock != 0) {
            whole = (got / kCipherBlock + 1) * kCipherBlock;
            std::memset(buffer + got, 0, whole - got);
        }
        if (!cipher.run(buffer, buffer, whole) || !out.write(buffer, whole))
            return false;
        if (got < chunk.capacity)
            break;
    }
    if (plainSize == 0)
        return true;
    std::uint8_t digits[kPaddingDigits];
    writePaddingDigits(plainSize, digits);
    return out.write(digits, sizeof digits);
}

// Decrypts blockBytes of cipher blocks from the source's position and keeps
// all but the last block's padding.
bool decryptData(File &source, File &out, EcbCipher &cipher, std::uint64_t blockBytes, int padding)
{
    const Chunk chunk(blockBytes);
    std::uint8_t *buffer = chunk.data.get();
    if (!buffer)
        return false;
    std::uint64_t plainLeft = blockBytes - static_cast<std::uint64_t>(padding);
    while (blockBytes > 0) {
        const std::size_t piece = blockBytes < chunk.capacity ? static_cast<std::size_t>(blockBytes) : chunk.capacity;
        if (!source.readExact(buffer, piece) || !cipher.run(buffer, buffer, piece))
            return false;
        const std::size_t keep = plainLeft < piece ? static_cast<std::size_t>(plainLeft) : piece;
        if (!out.write(buffer, keep))
            return false;
        blockBytes -= piece;
        plainLeft -= keep;
    }
    return true;
}

std::int32_t readLayout(File &source, EncryptFileJob &job, Layout &layout)
{
    std::uint64_t fileSize = 0;
    if (!source.size(fileSize))
        return kFailed;
    ParsedHeader parsed;
    const std::size_t length = headerLength(job.headerMode);
    if (length > 0) {
        std::uint8_t header[kHeaderSize] = {};
        if (!source.readExact(header, length))
            return kMalformed;
        if (job.headerMode == ENCRYPT_HEADER_FULL) {
            if (!parseHeader(header, length, parsed))
                return kMalformed;
            std::memcpy(job.header, header, kHeaderSize);
        }
    }
    return locateSections(job.headerMode, parsed, fileSize, layout);
}

bool readAt(File &file, std::uint64_t offset, void *data, std::size_t size)
{
    return file.seek(offset) && file.readExact(data, size);
}

} // namespace

std::int32_t encryptFile(EncryptFileJob &job)
{
    Paths paths;
    KeyBlock keyBlock;
    if (!jobPaths(job, paths) || RAND_bytes_ex(libraryContext(), keyBlock.data(), keyBlock.size(), 0) != 1)
        return kFailed;
    const CipherKey key(keyBlock.data());
    EcbCipher cipher;
    File source;
    ReplacingFile working(paths.destination);
    if (!cipher.start(job.algorithm, job.keyBits, key.bytes, true) || working.clashesWith(paths.source) ||
        !source.open(paths.source, File::Read) || !working.open())
        return kFailed;

    File &out = working.file();
    const bool withHeader = job.headerMode != ENCRYPT_HEADER_NONE;
    std::uint64_t plainSize = 0;
    if ((withHeader && !out.write(job.header, kHeaderSize)) || !out.write(keyBlock.data(), keyBlock.size()) ||
        !encryptData(source, out, cipher, plainSize))
        return kFailed;
    if (withHeader) {
        const std::uint64_t dataLength = dataSectionSize(plainSize);
        if (dataLength > UINT32_MAX)
            return kFailed; // the header cannot describe it
        finishHeader(job.header, static_cast<std::uint32_t>(dataLength));
        if (!out.seek(0) || !out.write(job.header, kHeaderSize))
            return kFailed;
    }
    return working.commit() ? kOk : kFailed;
}

std::int32_t decryptFile(EncryptFileJob &job)
{
    Paths paths;
    File source;
    if (!jobPaths(job, paths) || !source.open(paths.source, File::Read))
        return kFailed;
    Layout layout;
    if (const std::int32_t result = readLayout(source, job, layout); result != kOk)
        return result;

    KeyBlock keyBlock;
    std::uint8_t digits[kPaddingDigits] = {'0', '0'};
    if (!readAt(source, layout.keyBlockOffset, keyBlock.data(), keyBlock.size()) ||
        (layout.dataLength > 0 &&
         !readAt(source, layout.dataOffset + layout.dataLength - kPaddingDigits, digits, sizeof digits)))
        return kMalformed;
    const int padding = paddingCount(digits);
    if (padding < 0)
        return kMalformed;

    const CipherKey key(keyBlock.data());
    EcbCipher cipher;
    ReplacingFile working(paths.destination);
    if (!cipher.start(job.algorithm, job.keyBits, key.bytes, false) || working.clashesWith(paths.source) ||
        !working.open() || !source.seek(layout.dataOffset))
        return kFailed;
    const std::uint64_t blockBytes =
        layout.dataLength > 0 ? (layout.dataLength - kPaddingDigits) / kCipherBlock * kCipherBlock : 0;
    if (!decryptData(source, working.file(), cipher, blockBytes, blockBytes > 0 ? padding : 0))
        return kFailed;
    return working.commit() ? kOk : kFailed;
}

const std::uint8_t kUnusedKey[16] = {};

bool copyPath(EncryptChar (&field)[ENCRYPT_PATH_CHARS], const EncryptChar *path)
{
    if (!path)
        return false;
    for (std::size_t i = 0; i < ENCRYPT_PATH_CHARS; ++i) {
        field[i] = path[i];
        if (path[i] == 0)
            return true;
    }
    return false;
}

std::int32_t encryptPaths(const EncryptChar *source, const EncryptChar *destination, const std::uint8_t *key,
                          std::uint32_t keyBits, std::uint32_t algorithm)
{
    EncryptFileJob job{};
    if (!copyPath(job.source, source) || !copyPath(job.destination, destination))
        return kFailed;
    job.key = key;
    job.keyBits = keyBits;
    job.algorithm = algorithm;
    job.headerMode = ENCRYPT_HEADER_FULL;
    const auto now = std::chrono::system_clock::now().time_since_epoch();
    buildNewHeader(job.header, std::chrono::duration_cast<std::chrono::milliseconds>(now).count());
    return encryptFile(job);
}

std::int32_t decryptPaths(const EncryptChar *source, const EncryptChar *destination, const std::uint8_t *key,
                          std::uint32_t keyBits, std::uint32_t algorithm)
{
    EncryptFileJob job{};
    std::int32_t result = kFailed;
    if (copyPath(job.source, source) && copyPath(job.destination, destination)) {
        job.key = key;
        job.keyBits = keyBits;
        job.algorithm = algorithm;
        job.headerMode = static_cast<std::uint32_t>(checkFileVersion(source));
        result = decryptFile(job);
    }
    if (result != kOk)
        logDecryptFailure(result);
    return result;
}

std::int32_t checkFileVersion(const EncryptChar *path)
{
    fs::path native;
    File file;
    std::uint8_t bytes[kVersionProbeSize];
    if (!nativePath(path, native) || !file.open(native, File::Read))
        return 1;
    return versionProbe(bytes, file.read(bytes, sizeof bytes));
}

} // namespace encryptapi
