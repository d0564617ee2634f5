#include "BlockCipher.h"

#include <openssl/crypto.h>
#include <openssl/evp.h>
#include <openssl/provider.h>

#include <array>
#include <climits>
#include <iterator>

namespace encryptapi {
namespace {

// The ciphers a container may name, by algorithm code and key size.
struct CipherName
{
    std::uint32_t algorithm;
    std::uint32_t keyBits;
    const char *name;
    bool legacy;
};

constexpr CipherName kCipherNames[] = {
    {0, 56, "DES-ECB", true},
    {1, 128, "AES-128-ECB", false},
    {1, 192, "AES-192-ECB", false},
    {1, 256, "AES-256-ECB", false},
};
constexpr std::size_t kCipherCount = std::size(kCipherNames);

// Each cipher is fetched the first time a container asks for it: opening the
// device catalogue at start needs AES-128 alone, and single DES is the only
// reason to load the legacy provider.
class CipherSuite
{
public:
    CipherSuite()
        : m_context(OSSL_LIB_CTX_new()),
          m_default(OSSL_PROVIDER_load(m_context, "default")),
          m_lock(CRYPTO_THREAD_lock_new())
    {}

    ~CipherSuite()
    {
        for (EVP_CIPHER *cipher : m_ciphers)
            EVP_CIPHER_free(cipher);
        if (m_legacy)
            OSSL_PROVIDER_unload(m_legacy);
        if (m_default)
            OSSL_PROVIDER_unload(m_default);
        OSSL_LIB_CTX_free(m_context);
        CRYPTO_THREAD_lock_free(m_lock);
    }

    CipherSuite(const CipherSuite &) = delete;
    CipherSuite &operator=(const CipherSuite &) = delete;

    OSSL_LIB_CTX *context() const { return m_context; }

    const EVP_CIPHER *cipher(std::uint32_t algorithm, std::uint32_t keyBits)
    {
        for (std::size_t i = 0; i < kCipherCount; ++i) {
            const CipherName &known = kCipherNames[i];
            if (known.algorithm != algorithm || known.keyBits != keyBits)
                continue;
            // The library's functions may be called from several threads.
            if (!m_lock || CRYPTO_THREAD_write_lock(m_lock) != 1)
                return nullptr;
            if (!m_fetched[i]) {
                m_fetched[i] = true;
                if (known.legacy && !m_legacy)
                    m_legacy = OSSL_PROVIDER_load(m_context, "legacy");
                m_ciphers[i] = EVP_CIPHER_fetch(m_context, known.name, nullptr);
            }
            const EVP_CIPHER *cipher = m_ciphers[i];
            CRYPTO_THREAD_unlock(m_lock);
            return cipher;
        }
        return nullptr;
    }

private:
    OSSL_LIB_CTX *m_context;
    OSSL_PROVIDER *m_default;
    OSSL_PROVIDER *m_legacy = nullptr;
    CRYPTO_RWLOCK *m_lock;
    std::array<EVP_CIPHER *, kCipherCount> m_ciphers{};
    std::array<bool, kCipherCount> m_fetched{};
};

CipherSuite &suite()
{
    static CipherSuite instance;
    return instance;
}

} // namespace

OSSL_LIB_CTX *libraryContext()
{
    return suite().context();
}

bool cipherAccepted(std::uint32_t algorithm, std::uint32_t keyBits)
{
    return algorithm == 2 || suite().cipher(algorithm, keyBits) != nullptr;
}

EcbCipher::~EcbCipher()
{
    EVP_CIPHER_CTX_free(m_context);
}

bool EcbCipher::start(std::uint32_t algorithm, std::uint32_t keyBits, const std::uint8_t *key, bool encrypt)
{
    m_passThrough = algorithm == 2;
    if (m_passThrough)
        return true;
    const EVP_CIPHER *cipher = suite().cipher(algorithm, keyBits);
    if (!cipher)
        return false;
    if (!m_context)
        m_context = EVP_CIPHER_CTX_new();
    if (!m_context || EVP_CipherInit_ex2(m_context, cipher, key, nullptr, encrypt ? 1 : 0, nullptr) != 1)
        return false;
    EVP_CIPHER_CTX_set_padding(m_context, 0);
    m_blockSize = static_cast<std::size_t>(EVP_CIPHER_get_block_size(cipher));
    return true;
}

bool EcbCipher::run(const std::uint8_t *in, std::uint8_t *out, std::size_t size)
{
    if (m_passThrough || size == 0)
        return true;
    if (!m_context || size % m_blockSize != 0)
        return false;
    // EVP counts in int: hand over large buffers in whole-block pieces.
    const std::size_t maxPiece = static_cast<std::size_t>(INT_MAX) / m_blockSize * m_blockSize;
    while (size > 0) {
        const std::size_t piece = size < maxPiece ? size : maxPiece;
        int written = 0;
        if (EVP_CipherUpdate(m_context, out, &written, in, static_cast<int>(piece)) != 1 ||
            static_cast<std::size_t>(written) != piece)
            return false;
        in += piece;
        out += piece;
        size -= piece;
    }
    return true;
}

} // namespace encryptapi
