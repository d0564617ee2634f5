#pragma once

#include <string>

namespace platform {

// Windows: plays the WAV file at `path` once, without waiting for it; a path
// that names no playable file plays nothing (the system's default sound is
// not put in its place). Linux has no system sound scheme to take the file
// from, and no sound player of its own: the call only logs that nothing
// was played. False when nothing is played.
bool playSound(const std::u16string &path);

} // namespace platform
