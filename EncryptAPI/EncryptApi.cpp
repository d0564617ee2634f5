// The exported entry points over files, buffers and key files. The work is
// done in FileContainer, BlockCipher and ContainerFormat; these check the
// callers' arguments and translate results.

#include "EncryptApi.h"

#include "BlockCipher.h"
#include "ContainerFormat.h"
#include "ContentKey.h"
#include "FileContainer.h"
#include "NativeFile.h"

#include <cstring>
#include <new>

using namespace encryptapi;

namespace {

// ECB over the whole length; a tail shorter than a block is handled as the
// algorithm says: AES pads it with zeros and writes a whole block, DES leaves
// it alone.
std::int32_t runBufferJob(const EncryptBufferJob *job, bool encrypt)
{
    if (!job || !job->input || !job->output || !job->key || job->algorithm > ENCRYPT_ALGORITHM_NONE)
        return kFailed;
    if (job->algorithm == ENCRYPT_ALGORITHM_NONE)
        return kOk;
    EcbCipher cipher;
    if (!cipher.start(job->algorithm, job->keyBits, job->key, encrypt))
        return kFailed;
    const std::size_t block = cipher.blockSize();
    const std::size_t whole = job->length / block * block;
    if (!cipher.run(job->input, job->output, whole))
        return kFailed;
    const std::size_t tail = job->length - whole;
    if (tail == 0 || job->algorithm == ENCRYPT_ALGORITHM_DES)
        return kOk;
    std::uint8_t last[kCipherBlock] = {};
    std::memcpy(last, job->input + whole, tail);
    return cipher.run(last, job->output + whole, sizeof last) ? kOk : kFailed;
}

bool startDataCipher(EcbCipher &cipher, const unsigned char *keyBlock)
{
    const ContentKey key = contentKey(keyBlock);
    return cipher.start(ENCRYPT_ALGORITHM_AES, 128, key.data(), false);
}

} // namespace

extern "C" {

uint32_t EncryptByFilePath(const EncryptChar *source, const EncryptChar *destination)
{
    encryptPaths(source, destination, kUnusedKey, 128, ENCRYPT_ALGORITHM_AES);
    return 1;
}

int32_t DecryptByFilePath(const EncryptChar *source, const EncryptChar *destination)
{
    return decryptPaths(source, destination, kUnusedKey, 128, ENCRYPT_ALGORITHM_AES);
}

int32_t CheckAcpFileVer(const EncryptChar *path)
{
    return checkFileVersion(path);
}

int32_t EncryptByFile(EncryptFileJob *job)
{
    return job ? encryptFile(*job) : kFailed;
}

int32_t DecryptByFile(EncryptFileJob *job)
{
    return job ? decryptFile(*job) : kFailed;
}

int32_t EncryptByBuf(const EncryptBufferJob *job)
{
    return runBufferJob(job, true);
}

int32_t DecryptByBuf(const EncryptBufferJob *job)
{
    return runBufferJob(job, false);
}

uint32_t CSEncryptByFile(const EncryptChar *source, const EncryptChar *destination, const unsigned char *key,
                         uint32_t keyBits, uint32_t algorithm)
{
    encryptPaths(source, destination, key, keyBits, algorithm);
    return 1;
}

int32_t CSDecryptByFile(const EncryptChar *source, const EncryptChar *destination, const unsigned char *key,
                        uint32_t keyBits, uint32_t algorithm)
{
    return decryptPaths(source, destination, key, keyBits, algorithm);
}

int32_t EncryptGetKey(const EncryptChar *path, unsigned char *buffer, uint32_t size)
{
    fs::path native;
    File file;
    if (!buffer || !nativePath(path, native) || !file.open(native, File::Read))
        return kFailed;
    return file.readExact(buffer, size) ? kOk : kFailed;
}

unsigned char *CSEncryptGetKey(const EncryptChar *path, uint32_t size)
{
    if (size == 0)
        return nullptr;
    auto *key = new (std::nothrow) unsigned char[size];
    if (key && EncryptGetKey(path, key, size) != kOk) {
        delete[] key;
        key = nullptr;
    }
    return key;
}

void CSEncryptFreeKey(unsigned char *key)
{
    delete[] key;
}

uint32_t getEncryptAESResultSize(uint32_t length)
{
    const std::uint64_t size = dataSectionSize(length);
    return size <= UINT32_MAX ? static_cast<uint32_t>(size) : 0;
}

uint32_t getDecryptAESResultSize(uint32_t length, const unsigned char *data)
{
    if (!data || length == 0 || !dataSectionShapeValid(length))
        return 0;
    const int padding = paddingCount(data + length - kPaddingDigits);
    return padding < 0 ? 0 : length - static_cast<uint32_t>(kPaddingDigits) - static_cast<uint32_t>(padding);
}

int32_t EncryptAESByData(const unsigned char *input, uint32_t length, unsigned char *output,
                         const unsigned char *keyBlock)
{
    if (length == 0)
        return kOk;
    if (!input || !output || !keyBlock || getEncryptAESResultSize(length) == 0)
        return kFailed;
    const ContentKey key = contentKey(keyBlock);
    const EncryptBufferJob job{input, output, length, key.data(), 128, ENCRYPT_ALGORITHM_AES};
    if (runBufferJob(&job, true) != kOk)
        return kFailed;
    const std::size_t blocks = (length + kCipherBlock - 1) / kCipherBlock * kCipherBlock;
    writePaddingDigits(length, output + blocks);
    return kOk;
}

int32_t DecryptAESByData(const unsigned char *input, uint32_t length, unsigned char *output,
                         const unsigned char *keyBlock)
{
    const uint32_t plainSize = getDecryptAESResultSize(length, input);
    EcbCipher cipher;
    if (plainSize == 0 || !output || !keyBlock || !startDataCipher(cipher, keyBlock))
        return kFailed;
    const std::size_t blockBytes = length - kPaddingDigits;
    const std::size_t leading = blockBytes - kCipherBlock;
    std::uint8_t last[kCipherBlock];
    if (!cipher.run(input, output, leading) || !cipher.run(input + leading, last, sizeof last))
        return kFailed;
    std::memcpy(output + leading, last, plainSize - leading);
    return kOk;
}

} // extern "C"
