#pragma once

#include <cstdint>

namespace encryptapi {

// "DecryptByFile failed" and the result, through the program's log.
void logDecryptFailure(std::int32_t result);

} // namespace encryptapi
