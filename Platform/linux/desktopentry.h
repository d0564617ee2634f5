#pragma once

#include <string>

namespace platform {

// One argument of a Desktop Entry "Exec" key, written as the key's value
// holds it: quoted when it carries a reserved character (inside the quotes
// `"`, backtick, `$` and `\` escaped), `%` doubled so that it is no field
// code, and then escaped as every string value is (`\\`, `\n`, `\t`, `\r`).
// Empty when the argument cannot be written at all (other control
// characters, which no desktop entry value may hold).
std::string desktopExecArgument(const std::string &argumentUtf8);

// The whole log-on entry that starts `programUtf8` hidden ("-h"), named
// "<brand> Portview"; empty when the program's path cannot be written.
std::string autostartDesktopEntry(const std::string &programUtf8, const std::string &brandWord);

} // namespace platform
