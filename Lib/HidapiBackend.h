#pragma once

#include "HidBackend.h"

#include <memory>

// The real hidapi library (hidraw on Linux, hid.dll on Windows).
std::unique_ptr<HidBackend> makeHidapiBackend();
