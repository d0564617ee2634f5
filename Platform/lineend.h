#pragma once

namespace platform {

// The end of a line in text files the user opens with the system's own tools.
const char *lineEnd();

} // namespace platform
