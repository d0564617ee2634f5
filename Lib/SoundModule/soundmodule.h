#pragma once

// The one entry point of the sound player module (soundmodule.cpp), shared
// by the module and by the program that loads it (SoundPlayer.cpp).
namespace soundmodule {

// Plays the sound file named by `length` UTF-16 units at `path` once, without
// waiting for it.
using PlayFunction = void (*)(const char16_t *path, int length);

constexpr const char *kPlayFunctionName = "portviewPlaySound";

} // namespace soundmodule
