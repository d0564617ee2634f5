// portview-autostart-entry PROGRAM BRAND OUTPUT
// Writes the log-on entry that starts PROGRAM hidden to OUTPUT. The
// installation runs it once the final path of the executable is known, so
// the installed entry and the one the program writes from a build tree are
// quoted by the same code.
#include "desktopentry.h"

#include <cstdio>
#include <fstream>

int main(int argc, char **argv)
{
    if (argc != 4) {
        std::fprintf(stderr, "usage: %s PROGRAM BRAND OUTPUT\n", argv[0]);
        return 2;
    }
    const std::string entry = platform::autostartDesktopEntry(argv[1], argv[2]);
    if (entry.empty()) {
        std::fprintf(stderr, "the program path cannot be written in a desktop entry: %s\n", argv[1]);
        return 1;
    }
    std::ofstream out(argv[3], std::ios::binary | std::ios::trunc);
    out << entry;
    out.close();
    if (!out) {
        std::fprintf(stderr, "cannot write %s\n", argv[3]);
        return 1;
    }
    return 0;
}
