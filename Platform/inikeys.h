#pragma once

namespace platform {

// Whether QSettings compares the keys of an INI file without regard to case
// on this system (it does on Windows), so a rewrite finds the same line.
bool iniKeysIgnoreCase();

} // namespace platform
