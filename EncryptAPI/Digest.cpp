// IdentifyCodeByBuf / IdentifyCodeByFile: SHA-256 of a buffer or a file.

#include "EncryptApi.h"

#include "BlockCipher.h"
#include "ContainerFormat.h"
#include "NativeFile.h"

#include <openssl/evp.h>

#include <memory>

using namespace encryptapi;

namespace {

constexpr std::size_t kDigestSize = 32;
constexpr std::size_t kFilePiece = 16384;

struct MdContextFree
{
    void operator()(EVP_MD_CTX *context) const { EVP_MD_CTX_free(context); }
};
struct MdFree
{
    void operator()(EVP_MD *md) const { EVP_MD_free(md); }
};

bool digestFile(File &file, unsigned char *digest)
{
    const std::unique_ptr<EVP_MD, MdFree> sha256(EVP_MD_fetch(libraryContext(), "SHA256", nullptr));
    const std::unique_ptr<EVP_MD_CTX, MdContextFree> context(EVP_MD_CTX_new());
    if (!sha256 || !context || EVP_DigestInit_ex2(context.get(), sha256.get(), nullptr) != 1)
        return false;
    unsigned char piece[kFilePiece];
    for (;;) {
        const std::size_t got = file.read(piece, sizeof piece);
        if (!file.good() || EVP_DigestUpdate(context.get(), piece, got) != 1)
            return false;
        if (got < sizeof piece)
            break;
    }
    unsigned int size = 0;
    return EVP_DigestFinal_ex(context.get(), digest, &size) == 1 && size == kDigestSize;
}

} // namespace

extern "C" {

int32_t IdentifyCodeByBuf(const IdentifyBufferJob *job)
{
    if (!job || (!job->input && job->length > 0) || !job->digest || job->digestSize != kDigestSize ||
        job->flag != 0)
        return kFailed;
    static const unsigned char nothing = 0;
    const unsigned char *input = job->input ? job->input : &nothing;
    std::size_t size = 0;
    if (EVP_Q_digest(libraryContext(), "SHA256", nullptr, input, job->length, job->digest, &size) != 1)
        return kFailed;
    return size == kDigestSize ? kOk : kFailed;
}

int32_t IdentifyCodeByFile(const IdentifyFileJob *job)
{
    fs::path source;
    fs::path destination;
    File in;
    unsigned char digest[kDigestSize];
    if (!job || !nativePath(job->source, source) || !nativePath(job->destination, destination) ||
        !in.open(source, File::Read) || !digestFile(in, digest))
        return kFailed;
    static const char kHex[] = "0123456789ABCDEF";
    char text[2 * kDigestSize];
    for (std::size_t i = 0; i < kDigestSize; ++i) {
        text[2 * i] = kHex[digest[i] >> 4];
        text[2 * i + 1] = kHex[digest[i] & 0x0F];
    }
    ReplacingFile out(destination);
    return out.open() && out.file().write(text, sizeof text) && out.commit() ? kOk : kFailed;
}

} // extern "C"
