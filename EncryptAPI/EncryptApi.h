#ifndef ENCRYPTAPI_H
#define ENCRYPTAPI_H

/*
 * EncryptApi: the encrypted container format ("GVLU" header, key block, AES
 * data section) and a few cipher helpers, as plain C entry points.
 *
 * Paths are zero-terminated UTF-16 text (wchar_t on Windows, char16_t
 * elsewhere). On Windows the library puts "\\?\" in front of absolute paths;
 * elsewhere backslashes are read as slashes. A path that does not fit the
 * 256-character fields of a job (terminator included) is refused.
 *
 * Results: 0 is success unless a function says otherwise; 1 is a failure to
 * open, create or allocate, or a refused argument; 2 is a malformed container.
 */

#include <stdint.h>

#if defined(_WIN32)
#include <wchar.h>
typedef wchar_t EncryptChar;
#if defined(ENCRYPTAPI_BUILD)
#define ENCRYPTAPI_EXPORT __declspec(dllexport)
#else
#define ENCRYPTAPI_EXPORT __declspec(dllimport)
#endif
#else
#if !defined(__cplusplus)
#include <uchar.h>
#endif
typedef char16_t EncryptChar;
#define ENCRYPTAPI_EXPORT __attribute__((visibility("default")))
#endif

#define ENCRYPT_PATH_CHARS 256
#define ENCRYPT_HEADER_SIZE 96
#define ENCRYPT_KEY_BLOCK_SIZE 271

/* Algorithm codes. */
#define ENCRYPT_ALGORITHM_DES 0u
#define ENCRYPT_ALGORITHM_AES 1u
#define ENCRYPT_ALGORITHM_NONE 2u

/* Header modes: no header, a 95-byte header that is skipped, the full
 * 96-byte header (written on encryption, parsed and verified on decryption). */
#define ENCRYPT_HEADER_NONE 2u
#define ENCRYPT_HEADER_SKIPPED 3u
#define ENCRYPT_HEADER_FULL 4u

#ifdef __cplusplus
extern "C" {
#endif

typedef struct EncryptFileJob {
    EncryptChar source[ENCRYPT_PATH_CHARS];
    EncryptChar destination[ENCRYPT_PATH_CHARS];
    /* Must not be null; the file functions derive their key from the key
     * block and never read these bytes. */
    const unsigned char *key;
    uint32_t keyBits;   /* 128, 192 or 256 for AES, 56 for DES */
    uint32_t algorithm; /* ENCRYPT_ALGORITHM_* */
    uint32_t headerMode; /* ENCRYPT_HEADER_* */
    unsigned char header[ENCRYPT_HEADER_SIZE];
} EncryptFileJob;

/* AES works on whole 16-byte blocks: the output must hold the length
 * rounded up to a multiple of 16. DES processes whole 8-byte blocks only and
 * leaves the bytes behind the last one untouched. */
typedef struct EncryptBufferJob {
    const unsigned char *input;
    unsigned char *output;
    uint32_t length;
    const unsigned char *key;
    uint32_t keyBits;
    uint32_t algorithm;
} EncryptBufferJob;

typedef struct IdentifyBufferJob {
    const unsigned char *input;
    uint32_t length;
    unsigned char *digest; /* receives digestSize bytes */
    uint32_t digestSize;   /* must be 32 */
    uint32_t flag;         /* must be 0 */
} IdentifyBufferJob;

typedef struct IdentifyFileJob {
    EncryptChar source[ENCRYPT_PATH_CHARS];
    EncryptChar destination[ENCRYPT_PATH_CHARS]; /* receives 64 hex digits */
} IdentifyFileJob;

/* RSA jobs. Keys live in ./RsaPrikey.key (PKCS #8 PEM) and ./RsaPubkey.key
 * (SubjectPublicKeyInfo PEM) of the current directory. keySelector 0 uses
 * the private key, 1 the public key: encrypt with one, decrypt with the
 * other. */
typedef struct AsymJob {
    EncryptChar source[ENCRYPT_PATH_CHARS];      /* file functions */
    EncryptChar destination[ENCRYPT_PATH_CHARS]; /* file functions */
    const unsigned char *input;                  /* buffer functions */
    uint32_t inputLength;
    unsigned char *output;
    uint32_t outputSize;
    uint32_t outputLength; /* set by the buffer functions */
    uint32_t keySelector;
} AsymJob;

/* The application's path: AES-128 with the full header. EncryptByFilePath
 * always returns 1; success shows as the destination file. */
ENCRYPTAPI_EXPORT uint32_t EncryptByFilePath(const EncryptChar *source, const EncryptChar *destination);
ENCRYPTAPI_EXPORT int32_t DecryptByFilePath(const EncryptChar *source, const EncryptChar *destination);
/* 1: unreadable or shorter than 55 bytes; 2: no "GVLU"; 3: version 1.0.72.4;
 * 4: any other version. The result is the header mode to decrypt with. */
ENCRYPTAPI_EXPORT int32_t CheckAcpFileVer(const EncryptChar *path);

ENCRYPTAPI_EXPORT int32_t EncryptByFile(EncryptFileJob *job);
ENCRYPTAPI_EXPORT int32_t DecryptByFile(EncryptFileJob *job);
ENCRYPTAPI_EXPORT int32_t EncryptByBuf(const EncryptBufferJob *job);
ENCRYPTAPI_EXPORT int32_t DecryptByBuf(const EncryptBufferJob *job);

ENCRYPTAPI_EXPORT uint32_t CSEncryptByFile(const EncryptChar *source, const EncryptChar *destination,
                                           const unsigned char *key, uint32_t keyBits, uint32_t algorithm);
ENCRYPTAPI_EXPORT int32_t CSDecryptByFile(const EncryptChar *source, const EncryptChar *destination,
                                          const unsigned char *key, uint32_t keyBits, uint32_t algorithm);
/* The buffer is the library's: release it with CSEncryptFreeKey. */
ENCRYPTAPI_EXPORT unsigned char *CSEncryptGetKey(const EncryptChar *path, uint32_t size);
ENCRYPTAPI_EXPORT void CSEncryptFreeKey(unsigned char *key);
ENCRYPTAPI_EXPORT int32_t EncryptGetKey(const EncryptChar *path, unsigned char *buffer, uint32_t size);

/* The container's data section in memory, keyed by a 271-byte key block.
 * The output must hold getEncryptAESResultSize(length), respectively
 * getDecryptAESResultSize(length, input) bytes. */
ENCRYPTAPI_EXPORT int32_t EncryptAESByData(const unsigned char *input, uint32_t length, unsigned char *output,
                                           const unsigned char *keyBlock);
ENCRYPTAPI_EXPORT int32_t DecryptAESByData(const unsigned char *input, uint32_t length, unsigned char *output,
                                           const unsigned char *keyBlock);
ENCRYPTAPI_EXPORT uint32_t getEncryptAESResultSize(uint32_t length);
/* 0 when the data is not a well-formed data section. */
ENCRYPTAPI_EXPORT uint32_t getDecryptAESResultSize(uint32_t length, const unsigned char *data);

/* A string under the library's own key. outputLength receives the cipher
 * size, also when the output is too small (result 1). textChars counts the
 * terminator. */
ENCRYPTAPI_EXPORT int32_t EncryptString(const EncryptChar *text, unsigned char *output, uint32_t outputSize,
                                        uint32_t *outputLength);
ENCRYPTAPI_EXPORT int32_t DecryptString(const unsigned char *input, uint32_t length, EncryptChar *text,
                                        uint32_t textChars);

/* SHA-256. */
ENCRYPTAPI_EXPORT int32_t IdentifyCodeByBuf(const IdentifyBufferJob *job);
ENCRYPTAPI_EXPORT int32_t IdentifyCodeByFile(const IdentifyFileJob *job);

/* RSA-1024, PKCS #1 v1.5 padding. */
ENCRYPTAPI_EXPORT int32_t AsymGetKey(const AsymJob *job);
ENCRYPTAPI_EXPORT int32_t AsymEncryptByBuf(AsymJob *job);
ENCRYPTAPI_EXPORT int32_t AsymDecryptByBuf(AsymJob *job);
ENCRYPTAPI_EXPORT int32_t AsymEncryptByFile(const AsymJob *job);
ENCRYPTAPI_EXPORT int32_t AsymDecryptByFile(const AsymJob *job);

/* The working files kvm.temp (plain) and temp.kvm (encrypted) in the
 * application-data directory. Encrypt_File encrypts kvm.temp to
 * distFilePath; Decrypt_File decrypts distFilePath into kvm.temp. Paths use
 * forward slashes. 1 on success, 0 otherwise. */
#define ENCRYPTAPI_PLAIN_WORKING_FILE "kvm.temp"
#define ENCRYPTAPI_SEALED_WORKING_FILE "temp.kvm"
ENCRYPTAPI_EXPORT int32_t Encrypt_File(const EncryptChar *distFilePath);
ENCRYPTAPI_EXPORT int32_t Decrypt_File(const EncryptChar *distFilePath);

#ifdef __cplusplus
}
#endif

#endif
