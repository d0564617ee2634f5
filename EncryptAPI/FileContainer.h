#pragma once

#include "EncryptApi.h"

#include <cstdint>

// Encryption and decryption of container files. Both write a working file
// beside the destination and put it in the destination's place only when it
// is complete, so a failure never leaves a destination behind or touches an
// existing one.
namespace encryptapi {

std::int32_t encryptFile(EncryptFileJob &job);
std::int32_t decryptFile(EncryptFileJob &job);
std::int32_t checkFileVersion(const EncryptChar *path);

// Copies a zero-terminated path into a job field; false when it does not fit.
bool copyPath(EncryptChar (&field)[ENCRYPT_PATH_CHARS], const EncryptChar *path);

// The key the application passes: the file functions never read it.
extern const std::uint8_t kUnusedKey[16];

// Encryption with a fresh full header, as EncryptByFilePath runs it; the
// result is the real one.
std::int32_t encryptPaths(const EncryptChar *source, const EncryptChar *destination, const std::uint8_t *key,
                          std::uint32_t keyBits, std::uint32_t algorithm);
// Decryption in the header mode the source's version gives; a failure is
// logged.
std::int32_t decryptPaths(const EncryptChar *source, const EncryptChar *destination, const std::uint8_t *key,
                          std::uint32_t keyBits, std::uint32_t algorithm);

} // namespace encryptapi
