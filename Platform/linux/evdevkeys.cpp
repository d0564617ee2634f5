#include "evdevkeys.h"

#include <algorithm>
#include <iterator>

namespace platform {
namespace {

struct Row
{
    unsigned short evdev;
    unsigned char vk;
    unsigned char scan;
};

// Sorted by input-event code. Scan codes are the low byte that Windows
// reports; keys it sends with an E0 prefix (right Ctrl and Alt, the
// navigation block, keypad Enter and /, Windows keys) share their low byte
// with another key, as they do in the hook.
constexpr Row kRows[] = {
    { 1, 0x1B, 0x01 },   // Escape
    { 2, '1', 0x02 },    { 3, '2', 0x03 },    { 4, '3', 0x04 },    { 5, '4', 0x05 },
    { 6, '5', 0x06 },    { 7, '6', 0x07 },    { 8, '7', 0x08 },    { 9, '8', 0x09 },
    { 10, '9', 0x0A },   { 11, '0', 0x0B },
    { 12, 0xBD, 0x0C },  // - _
    { 13, 0xBB, 0x0D },  // = +
    { 14, 0x08, 0x0E },  // Backspace
    { 15, 0x09, 0x0F },  // Tab
    { 16, 'Q', 0x10 },   { 17, 'W', 0x11 },   { 18, 'E', 0x12 },   { 19, 'R', 0x13 },
    { 20, 'T', 0x14 },   { 21, 'Y', 0x15 },   { 22, 'U', 0x16 },   { 23, 'I', 0x17 },
    { 24, 'O', 0x18 },   { 25, 'P', 0x19 },
    { 26, 0xDB, 0x1A },  // [
    { 27, 0xDD, 0x1B },  // ]
    { 28, 0x0D, 0x1C },  // Enter
    { 29, 0xA2, 0x1D },  // left Ctrl
    { 30, 'A', 0x1E },   { 31, 'S', 0x1F },   { 32, 'D', 0x20 },   { 33, 'F', 0x21 },
    { 34, 'G', 0x22 },   { 35, 'H', 0x23 },   { 36, 'J', 0x24 },   { 37, 'K', 0x25 },
    { 38, 'L', 0x26 },
    { 39, 0xBA, 0x27 },  // ;
    { 40, 0xDE, 0x28 },  // '
    { 41, 0xC0, 0x29 },  // `
    { 42, 0xA0, 0x2A },  // left Shift
    { 43, 0xDC, 0x2B },  // backslash
    { 44, 'Z', 0x2C },   { 45, 'X', 0x2D },   { 46, 'C', 0x2E },   { 47, 'V', 0x2F },
    { 48, 'B', 0x30 },   { 49, 'N', 0x31 },   { 50, 'M', 0x32 },
    { 51, 0xBC, 0x33 },  // ,
    { 52, 0xBE, 0x34 },  // .
    { 53, 0xBF, 0x35 },  // /
    { 54, 0xA1, 0x36 },  // right Shift
    { 55, 0x6A, 0x37 },  // keypad *
    { 56, 0xA4, 0x38 },  // left Alt
    { 57, 0x20, 0x39 },  // Space
    { 58, 0x14, 0x3A },  // Caps Lock
    { 59, 0x70, 0x3B },  { 60, 0x71, 0x3C },  { 61, 0x72, 0x3D },  { 62, 0x73, 0x3E }, // F1-F4
    { 63, 0x74, 0x3F },  { 64, 0x75, 0x40 },  { 65, 0x76, 0x41 },  { 66, 0x77, 0x42 }, // F5-F8
    { 67, 0x78, 0x43 },  { 68, 0x79, 0x44 },                                          // F9-F10
    { 69, 0x90, 0x45 },  // Num Lock
    { 70, 0x91, 0x46 },  // Scroll Lock
    { 71, 0x67, 0x47 },  { 72, 0x68, 0x48 },  { 73, 0x69, 0x49 },  // keypad 7 8 9
    { 74, 0x6D, 0x4A },  // keypad -
    { 75, 0x64, 0x4B },  { 76, 0x65, 0x4C },  { 77, 0x66, 0x4D },  // keypad 4 5 6
    { 78, 0x6B, 0x4E },  // keypad +
    { 79, 0x61, 0x4F },  { 80, 0x62, 0x50 },  { 81, 0x63, 0x51 },  // keypad 1 2 3
    { 82, 0x60, 0x52 },  // keypad 0
    { 83, 0x6E, 0x53 },  // keypad .
    { 86, 0xE2, 0x56 },  // the extra key of ISO keyboards
    { 87, 0x7A, 0x57 },  { 88, 0x7B, 0x58 },  // F11 F12
    { 96, 0x0D, 0x1C },  // keypad Enter
    { 97, 0xA3, 0x1D },  // right Ctrl
    { 98, 0x6F, 0x35 },  // keypad /
    { 99, 0x2C, 0x37 },  // Print Screen
    { 100, 0xA5, 0x38 }, // right Alt
    { 102, 0x24, 0x47 }, { 103, 0x26, 0x48 }, { 104, 0x21, 0x49 }, // Home Up Page-Up
    { 105, 0x25, 0x4B }, { 106, 0x27, 0x4D },                       // Left Right
    { 107, 0x23, 0x4F }, { 108, 0x28, 0x50 }, { 109, 0x22, 0x51 }, // End Down Page-Down
    { 110, 0x2D, 0x52 }, // Insert
    { 111, 0x2E, 0x53 }, // Delete
    { 113, 0xAD, 0x20 }, // volume mute
    { 114, 0xAE, 0x2E }, // volume down
    { 115, 0xAF, 0x30 }, // volume up
    { 119, 0x13, 0x45 }, // Pause
    { 125, 0x5B, 0x5B }, // left Windows
    { 126, 0x5C, 0x5C }, // right Windows
    { 127, 0x5D, 0x5D }, // Applications
    { 140, 0xB7, 0x21 }, // calculator
    { 142, 0x5F, 0x5F }, // sleep
    { 155, 0xB4, 0x6C }, // mail
    { 156, 0xAB, 0x66 }, // browser favourites
    { 157, 0xB6, 0x6B }, // my computer
    { 158, 0xA6, 0x6A }, // browser back
    { 159, 0xA7, 0x69 }, // browser forward
    { 163, 0xB0, 0x19 }, // next track
    { 164, 0xB3, 0x22 }, // play/pause
    { 165, 0xB1, 0x10 }, // previous track
    { 166, 0xB2, 0x24 }, // stop
    { 172, 0xAC, 0x32 }, // browser home
    { 173, 0xA8, 0x67 }, // browser refresh
    { 183, 0x7C, 0x64 }, { 184, 0x7D, 0x65 }, { 185, 0x7E, 0x66 }, { 186, 0x7F, 0x67 }, // F13-F16
    { 187, 0x80, 0x68 }, { 188, 0x81, 0x69 }, { 189, 0x82, 0x6A }, { 190, 0x83, 0x6B }, // F17-F20
    { 191, 0x84, 0x6C }, { 192, 0x85, 0x6D }, { 193, 0x86, 0x6E }, { 194, 0x87, 0x76 }, // F21-F24
    { 217, 0xAA, 0x65 }, // browser search
    { 226, 0xB5, 0x6D }, // media select
};

constexpr bool sortedByCode()
{
    for (std::size_t i = 1; i < std::size(kRows); ++i) {
        if (kRows[i - 1].evdev >= kRows[i].evdev)
            return false;
    }
    return true;
}
static_assert(sortedByCode(), "rows must stay sorted for the binary search");

} // namespace

std::optional<WindowsKey> windowsKeyForEvdev(unsigned evdevCode)
{
    const auto row = std::lower_bound(std::begin(kRows), std::end(kRows), evdevCode,
                                      [](const Row &r, unsigned code) { return r.evdev < code; });
    if (row == std::end(kRows) || row->evdev != evdevCode)
        return std::nullopt;
    return WindowsKey { row->vk, row->scan };
}

} // namespace platform
