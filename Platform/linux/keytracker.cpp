#include "keytracker.h"

#include "evdevkeys.h"

namespace platform {
namespace {

constexpr unsigned kVkF10 = 0x79;
constexpr unsigned kLeftCtrl = 29, kRightCtrl = 97, kLeftAlt = 56, kRightAlt = 100;

} // namespace

unsigned keyMessageFor(bool pressed, unsigned vkCode, bool altDown, bool ctrlDown)
{
    const bool system = vkCode == kVkF10 || (altDown && !ctrlDown);
    if (system)
        return pressed ? kSysKeyDown : kSysKeyUp;
    return pressed ? kKeyDown : kKeyUp;
}

std::optional<KeyEvent> KeyTracker::feed(unsigned evdevCode, bool pressed)
{
    const std::optional<WindowsKey> key = windowsKeyForEvdev(evdevCode);
    if (!key || evdevCode >= kCodes)
        return std::nullopt;
    if (!pressed && !m_down.test(evdevCode))
        return std::nullopt;
    m_down.set(evdevCode, pressed);
    const bool altDown = m_down.test(kLeftAlt) || m_down.test(kRightAlt);
    const bool ctrlDown = m_down.test(kLeftCtrl) || m_down.test(kRightCtrl);
    return KeyEvent { 0, keyMessageFor(pressed, key->vkCode, altDown, ctrlDown), key->vkCode, key->scanCode };
}

void KeyTracker::markDown(unsigned evdevCode)
{
    if (evdevCode < kCodes && windowsKeyForEvdev(evdevCode))
        m_down.set(evdevCode);
}

bool KeyTracker::isDown(unsigned evdevCode) const
{
    return evdevCode < kCodes && m_down.test(evdevCode);
}

} // namespace platform
