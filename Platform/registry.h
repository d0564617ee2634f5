#pragma once

namespace platform {

// Whether the system has a registry of its own (Windows). Elsewhere the
// settings that live there are kept in a file that holds the same key paths.
bool hasNativeRegistry();

} // namespace platform
