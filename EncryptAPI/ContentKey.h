#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

namespace encryptapi {

constexpr std::size_t kKeyBlockSize = 271;
constexpr std::size_t kContentKeySize = 16;
using KeyBlock = std::array<std::uint8_t, kKeyBlockSize>;
using ContentKey = std::array<std::uint8_t, kContentKeySize>;

constexpr std::uint32_t kCrcStart = 0xFFFFFFFFu;
// The starting value of the second register of the content key ("VEMO").
// Containers can be exchanged only with readers that use the same value.
constexpr std::uint32_t kSecondKeyCrcStart = 0x56454D4Fu;

// The reflected CRC-32 (polynomial 0xEDB88320) register after the bytes,
// starting from `start`. The format uses the register as it is, without the
// usual final inversion.
std::uint32_t crcRegister(const std::uint8_t *data, std::size_t size, std::uint32_t start = kCrcStart);

// Each register as upper-case hex without leading zeros, zero-filled to
// eight bytes: the first from the standard start, the second from ours.
ContentKey contentKey(const std::uint8_t *keyBlock);

} // namespace encryptapi
