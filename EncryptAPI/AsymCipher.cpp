// RSA entry points: a 1024-bit key pair in two PEM files of the current
// directory and single PKCS #1 v1.5 operations with either key. Encrypting
// with the public key pairs with decrypting with the private key; encrypting
// with the private key (a raw PKCS #1 signature) with recovering through the
// public key.

#include "EncryptApi.h"

#include "BlockCipher.h"
#include "ContainerFormat.h"
#include "NativeFile.h"

#include <openssl/bio.h>
#include <openssl/evp.h>
#include <openssl/pem.h>
#include <openssl/rsa.h>

#include <memory>
#include <system_error>
#include <vector>

using namespace encryptapi;

namespace {

const char kPrivateKeyFile[] = "./RsaPrikey.key";
const char kPublicKeyFile[] = "./RsaPubkey.key";
constexpr unsigned kKeyBits = 1024;
// Plain pieces of a file; each becomes one modulus-sized cipher piece.
constexpr std::size_t kPlainPiece = 16;
// PEM key files are a few kilobytes; anything larger is not ours.
constexpr std::size_t kMaxKeyFile = 64 * 1024;

enum KeySelector : std::uint32_t { kPrivateKey = 0, kPublicKey = 1 };

struct PkeyFree
{
    void operator()(EVP_PKEY *key) const { EVP_PKEY_free(key); }
};
struct PkeyContextFree
{
    void operator()(EVP_PKEY_CTX *context) const { EVP_PKEY_CTX_free(context); }
};
struct BioFree
{
    void operator()(BIO *bio) const { BIO_free(bio); }
};
using Pkey = std::unique_ptr<EVP_PKEY, PkeyFree>;
using PkeyContext = std::unique_ptr<EVP_PKEY_CTX, PkeyContextFree>;
using Bio = std::unique_ptr<BIO, BioFree>;

Pkey generateKey()
{
    PkeyContext context(EVP_PKEY_CTX_new_from_name(libraryContext(), "RSA", nullptr));
    EVP_PKEY *key = nullptr;
    if (!context || EVP_PKEY_keygen_init(context.get()) != 1 ||
        EVP_PKEY_CTX_set_rsa_keygen_bits(context.get(), kKeyBits) != 1 ||
        EVP_PKEY_generate(context.get(), &key) != 1)
        return nullptr;
    return Pkey(key);
}

// Writes the PEM text a writer puts into a memory BIO; the private key file
// is readable by its owner only.
template <typename Writer>
bool writePem(const char *path, bool secret, Writer writer)
{
    const Bio bio(BIO_new(BIO_s_mem()));
    if (!bio || !writer(bio.get()))
        return false;
    char *data = nullptr;
    const long size = BIO_get_mem_data(bio.get(), &data);
    ReplacingFile out{fs::path(path)};
    if (size <= 0 || !out.open())
        return false;
    if (secret) {
        std::error_code error;
        fs::permissions(out.path(), fs::perms::owner_read | fs::perms::owner_write, error);
    }
    return out.file().write(data, static_cast<std::size_t>(size)) && out.commit();
}

Pkey readKey(std::uint32_t selector)
{
    if (selector != kPrivateKey && selector != kPublicKey)
        return nullptr;
    File file;
    std::vector<char> text(kMaxKeyFile);
    if (!file.open(fs::path(selector == kPrivateKey ? kPrivateKeyFile : kPublicKeyFile), File::Read))
        return nullptr;
    const std::size_t size = file.read(text.data(), text.size());
    if (size == 0 || size == text.size())
        return nullptr;
    const Bio bio(BIO_new_mem_buf(text.data(), static_cast<int>(size)));
    if (!bio)
        return nullptr;
    EVP_PKEY *key = selector == kPrivateKey
                        ? PEM_read_bio_PrivateKey_ex(bio.get(), nullptr, nullptr, nullptr, libraryContext(), nullptr)
                        : PEM_read_bio_PUBKEY_ex(bio.get(), nullptr, nullptr, nullptr, libraryContext(), nullptr);
    return Pkey(key);
}

// One RSA operation on a piece; outSize is the room in out and becomes the
// size of the result.
class RsaOperation
{
public:
    RsaOperation(std::uint32_t selector, bool encrypt) : m_key(readKey(selector)), m_selector(selector),
                                                           m_encrypt(encrypt)
    {
        if (!m_key)
            return;
        m_context.reset(EVP_PKEY_CTX_new_from_pkey(libraryContext(), m_key.get(), nullptr));
        if (m_context && initialise() == 1 &&
            EVP_PKEY_CTX_set_rsa_padding(m_context.get(), RSA_PKCS1_PADDING) == 1)
            m_ready = true;
    }

    bool ready() const { return m_ready; }
    std::size_t keySize() const { return static_cast<std::size_t>(EVP_PKEY_get_size(m_key.get())); }

    bool run(const unsigned char *in, std::size_t inSize, unsigned char *out, std::size_t &outSize)
    {
        if (!m_ready || outSize < keySize())
            return false;
        EVP_PKEY_CTX *context = m_context.get();
        int done = 0;
        if (m_encrypt)
            done = m_selector == kPublicKey ? EVP_PKEY_encrypt(context, out, &outSize, in, inSize)
                                            : EVP_PKEY_sign(context, out, &outSize, in, inSize);
        else
            done = m_selector == kPrivateKey ? EVP_PKEY_decrypt(context, out, &outSize, in, inSize)
                                             : EVP_PKEY_verify_recover(context, out, &outSize, in, inSize);
        return done == 1;
    }

private:
    int initialise()
    {
        EVP_PKEY_CTX *context = m_context.get();
        if (m_encrypt)
            return m_selector == kPublicKey ? EVP_PKEY_encrypt_init(context) : EVP_PKEY_sign_init(context);
        return m_selector == kPrivateKey ? EVP_PKEY_decrypt_init(context) : EVP_PKEY_verify_recover_init(context);
    }

    Pkey m_key;
    PkeyContext m_context;
    std::uint32_t m_selector;
    bool m_encrypt;
    bool m_ready = false;
};

std::int32_t runBuffer(AsymJob *job, bool encrypt)
{
    if (!job || !job->input || !job->output)
        return kFailed;
    RsaOperation operation(job->keySelector, encrypt);
    std::size_t size = job->outputSize;
    if (!operation.run(job->input, job->inputLength, job->output, size))
        return kFailed;
    job->outputLength = static_cast<uint32_t>(size);
    return kOk;
}

// Encryption turns 16-byte pieces into modulus-sized ones; decryption
// reads modulus-sized pieces, and a shorter last piece is damage.
std::int32_t runFile(const AsymJob *job, bool encrypt)
{
    fs::path source;
    fs::path destination;
    File in;
    if (!job || !nativePath(job->source, source) || !nativePath(job->destination, destination) ||
        !in.open(source, File::Read))
        return kFailed;
    RsaOperation operation(job->keySelector, encrypt);
    ReplacingFile out(destination);
    if (!operation.ready() || out.clashesWith(source) || !out.open())
        return kFailed;
    const std::size_t pieceSize = encrypt ? kPlainPiece : operation.keySize();
    std::vector<unsigned char> piece(pieceSize);
    std::vector<unsigned char> result(operation.keySize());
    for (;;) {
        const std::size_t got = in.read(piece.data(), piece.size());
        if (!in.good() || (!encrypt && got != 0 && got != pieceSize))
            return kFailed;
        if (got == 0)
            break;
        std::size_t size = result.size();
        if (!operation.run(piece.data(), got, result.data(), size) || !out.file().write(result.data(), size))
            return kFailed;
        if (got < pieceSize)
            break;
    }
    return out.commit() ? kOk : kFailed;
}

} // namespace

extern "C" {

int32_t AsymGetKey(const AsymJob *job)
{
    const Pkey key = job ? generateKey() : nullptr;
    if (!key)
        return kFailed;
    const bool written =
        writePem(kPrivateKeyFile, true,
                 [&](BIO *bio) {
                     return PEM_write_bio_PrivateKey_ex(bio, key.get(), nullptr, nullptr, 0, nullptr, nullptr,
                                                        libraryContext(), nullptr) == 1;
                 }) &&
        writePem(kPublicKeyFile, false, [&](BIO *bio) {
            return PEM_write_bio_PUBKEY_ex(bio, key.get(), libraryContext(), nullptr) == 1;
        });
    return written ? kOk : kFailed;
}

int32_t AsymEncryptByBuf(AsymJob *job)
{
    return runBuffer(job, true);
}

int32_t AsymDecryptByBuf(AsymJob *job)
{
    return runBuffer(job, false);
}

int32_t AsymEncryptByFile(const AsymJob *job)
{
    return runFile(job, true);
}

int32_t AsymDecryptByFile(const AsymJob *job)
{
    return runFile(job, false);
}

} // extern "C"
