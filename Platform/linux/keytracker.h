#pragma once

#include "../keyboardhook.h"

#include <bitset>
#include <optional>

namespace platform {

// The message Windows' low-level keyboard hook reports for a key, given
// whether an Alt and a Ctrl key are down once the event has taken effect:
// a system key message when Alt is down and Ctrl is not, and always for
// F10; a key message otherwise. So Alt's own press is a system key down and
// its release a plain key up (the hook differs here from window messages,
// which report a lone Alt's release as a system key up), a key released
// while Alt is still held is a system key up, a Ctrl released while Alt is
// held is a system key up, and with Ctrl and Alt both held every key is a
// plain key message.
unsigned keyMessageFor(bool pressed, unsigned vkCode, bool altDown, bool ctrlDown);

// Turns raw key presses and releases, by input-event code, into the events
// Windows' low-level hook would report, keeping track of which keys are
// down. A release of a key that is not down is dropped, as is any key
// Windows has no code for.
class KeyTracker
{
public:
    std::optional<KeyEvent> feed(unsigned evdevCode, bool pressed);
    // Marks a key as already down, for keys held when watching began.
    void markDown(unsigned evdevCode);
    bool isDown(unsigned evdevCode) const;

private:
    static constexpr unsigned kCodes = 768;
    std::bitset<kCodes> m_down;
};

} // namespace platform
