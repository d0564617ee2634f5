#pragma once

#include <string>

namespace platform {

// The standard folders an autostart folder can lie in.
enum class AutostartBase {
    Applications, // the user's start-menu programs (Windows)
    Config,       // the user's configuration folder (XDG)
};

// Where the system looks for programs to start at log-on, and what it
// expects there: a ".lnk" shortcut in the Startup folder on Windows, an XDG
// ".desktop" entry in the autostart folder elsewhere.
struct AutostartPlace
{
    AutostartBase base;
    const char *folder;    // inside `base`
    const char *extension; // of the entry file, with its dot
    // The installation may leave the entry's master copy in the shared data
    // folders rather than in each user's own (it cannot write those).
    bool sharedMaster;
};

AutostartPlace autostartPlace();

// The entry that starts `programUtf8` hidden at log-on, for a program run
// from where it was built, when no installation left a master copy. Empty
// where the system's entries are not text (Windows shortcuts) or when the
// path cannot be written into one.
std::string autostartEntryFor(const std::string &programUtf8, const std::string &brandWord);

} // namespace platform
