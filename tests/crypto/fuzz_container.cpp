// Arbitrary bytes as a container file in every header mode, as the header
// alone, and as an in-memory data section; a well-formed in-memory section
// must also come back unchanged.

#include "EncryptAPI/ContainerFormat.h"
#include "EncryptAPI/EncryptApi.h"

#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

namespace {

std::u16string libraryPath(const std::string &path)
{
    return std::u16string(path.begin(), path.end());
}

// Scratch files in memory where the system offers it: on a disk file system
// replacing a file by renaming flushes it, which would make every run wait
// for the disk.
const std::string &scratch()
{
    static const std::string prefix = [] {
        const char *tmp = std::getenv("TMPDIR");
        std::string folder = access("/dev/shm", W_OK) == 0 ? "/dev/shm" : (tmp && *tmp ? tmp : "/tmp");
        return folder + "/fuzz_container." + std::to_string(getpid());
    }();
    return prefix;
}

void decryptAsFile(const std::uint8_t *data, std::size_t size)
{
    const std::string input = scratch() + ".in";
    const std::string output = scratch() + ".out";
    if (std::FILE *file = std::fopen(input.c_str(), "wb")) {
        std::fwrite(data, 1, size, file);
        std::fclose(file);
    }
    const std::u16string source = libraryPath(input);
    const std::u16string destination = libraryPath(output);
    DecryptByFilePath(source.c_str(), destination.c_str());
    static const unsigned char key[16] = {};
    for (const std::uint32_t mode : {ENCRYPT_HEADER_NONE, ENCRYPT_HEADER_SKIPPED, ENCRYPT_HEADER_FULL}) {
        EncryptFileJob job{};
        std::copy(source.begin(), source.end(), job.source);
        std::copy(destination.begin(), destination.end(), job.destination);
        job.key = key;
        job.keyBits = 128;
        job.algorithm = ENCRYPT_ALGORITHM_AES;
        job.headerMode = mode;
        DecryptByFile(&job);
    }
    std::remove(output.c_str());
    std::remove(input.c_str());
}

void decryptAsDataSection(const std::uint8_t *data, std::size_t size)
{
    std::uint8_t keyBlock[ENCRYPT_KEY_BLOCK_SIZE] = {};
    std::memcpy(keyBlock, data, size < sizeof keyBlock ? size : sizeof keyBlock);
    const auto length = static_cast<std::uint32_t>(size);
    // Exactly the room the size function promises: ASan reports any write
    // beyond it.
    std::vector<std::uint8_t> plain(getDecryptAESResultSize(length, data));
    const int result = DecryptAESByData(data, length, plain.empty() ? nullptr : plain.data(), keyBlock);
    if ((result == 0) == plain.empty())
        std::abort();

    std::vector<std::uint8_t> sealed(getEncryptAESResultSize(length));
    std::vector<std::uint8_t> back(size);
    if (size == 0 || EncryptAESByData(data, length, sealed.data(), keyBlock) != 0 ||
        getDecryptAESResultSize(static_cast<std::uint32_t>(sealed.size()), sealed.data()) != size ||
        DecryptAESByData(sealed.data(), static_cast<std::uint32_t>(sealed.size()), back.data(), keyBlock) != 0 ||
        std::memcmp(back.data(), data, size) != 0) {
        if (size != 0)
            std::abort();
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    encryptapi::ParsedHeader parsed;
    encryptapi::Layout layout;
    if (encryptapi::parseHeader(data, size < encryptapi::kHeaderSize ? size : encryptapi::kHeaderSize, parsed))
        encryptapi::locateSections(ENCRYPT_HEADER_FULL, parsed, size, layout);
    decryptAsFile(data, size);
    decryptAsDataSection(data, size);
    return 0;
}
