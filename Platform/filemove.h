#pragma once

#include <filesystem>

namespace platform {

enum class MoveResult { Moved, DestinationExists, Failed };

// Gives the file `from` the name `to` in one step, within one folder's file
// system. With `replace` an existing `to` is replaced; without it a file
// that holds the name, even one that took it a moment ago, is left as it is
// and the result says so.
MoveResult moveFile(const std::filesystem::path &from, const std::filesystem::path &to, bool replace);

} // namespace platform
