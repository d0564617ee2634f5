#include "BlockCipher.h"

#include <openssl/evp.h>
#include <openssl/provider.h>

#include <climits>
#include <initializer_list>

namespace encryptapi {
namespace {

class CipherSuite
{
public:
    CipherSuite()
        : m_context(OSSL_LIB_CTX_new()),
          m_default(OSSL_PROVIDER_load(m_context, "default")),
          m_legacy(OSSL_PROVIDER_load(m_context, "legacy")),
          m_aes128(EVP_CIPHER_fetch(m_context, "AES-128-ECB", nullptr)),
          m_aes192(EVP_CIPHER_fetch(m_context, "AES-192-ECB", nullptr)),
          m_aes256(EVP_CIPHER_fetch(m_context, "AES-256-ECB", nullptr)),
          m_des(EVP_CIPHER_fetch(m_context, "DES-ECB", nullptr))
    {}

    ~CipherSuite()
    {
        for (EVP_CIPHER *cipher : {m_aes128, m_aes192, m_aes256, m_des})
            EVP_CIPHER_free(cipher);
        if (m_legacy)
            OSSL_PROVIDER_unload(m_legacy);
        if (m_default)
            OSSL_PROVIDER_unload(m_default);
        OSSL_LIB_CTX_free(m_context);
    }

    CipherSuite(const CipherSuite &) = delete;
    CipherSuite &operator=(const CipherSuite &) = delete;

    OSSL_LIB_CTX *context() const { return m_context; }

    const EVP_CIPHER *cipher(std::uint32_t algorithm, std::uint32_t keyBits) const
    {
        if (algorithm == 0)
            return keyBits == 56 ? m_des : nullptr;
        if (algorithm != 1)
            return nullptr;
        switch (keyBits) {
        case 128: return m_aes128;
        case 192: return m_aes192;
        case 256: return m_aes256;
        default: return nullptr;
        }
    }

private:
    OSSL_LIB_CTX *m_context;
    OSSL_PROVIDER *m_default;
    OSSL_PROVIDER *m_legacy;
    EVP_CIPHER *m_aes128;
    EVP_CIPHER *m_aes192;
    EVP_CIPHER *m_aes256;
    EVP_CIPHER *m_des;
};

const CipherSuite &suite()
{
    static const CipherSuite instance;
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
