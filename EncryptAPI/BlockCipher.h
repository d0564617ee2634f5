#pragma once

#include <cstddef>
#include <cstdint>

typedef struct ossl_lib_ctx_st OSSL_LIB_CTX;
typedef struct evp_cipher_ctx_st EVP_CIPHER_CTX;

namespace encryptapi {

// The library's own OpenSSL context with the default provider, and the
// legacy provider once single DES, which lives there, is asked for. Loading
// them here leaves the providers of the host program as they are.
OSSL_LIB_CTX *libraryContext();

// Whether the algorithm code (0 DES, 1 AES, 2 none) takes a key of keyBits.
bool cipherAccepted(std::uint32_t algorithm, std::uint32_t keyBits);

// ECB over whole blocks, many blocks per call. With algorithm 2 the data is
// left as it is.
class EcbCipher
{
public:
    EcbCipher() = default;
    ~EcbCipher();
    EcbCipher(const EcbCipher &) = delete;
    EcbCipher &operator=(const EcbCipher &) = delete;

    // The key must hold keyBits / 8 bytes for AES, 8 bytes for DES.
    bool start(std::uint32_t algorithm, std::uint32_t keyBits, const std::uint8_t *key, bool encrypt);
    // size is a multiple of blockSize(); in and out may be the same buffer.
    bool run(const std::uint8_t *in, std::uint8_t *out, std::size_t size);
    std::size_t blockSize() const { return m_blockSize; }

private:
    EVP_CIPHER_CTX *m_context = nullptr;
    std::size_t m_blockSize = 16;
    bool m_passThrough = false;
};

} // namespace encryptapi
