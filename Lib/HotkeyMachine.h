#pragma once

#include "InterfaceCodes.h"
#include "Platform/keyboardhook.h"

#include <QString>

// The state the keyboard hook works on; it lives in the shared worker.
struct HotkeyState
{
    // The recording state is the interface's restartHotkey flag.
    using Mode = Codes::HotkeyMode;
    static constexpr Mode Matching = Codes::Matching;
    static constexpr Mode Recording = Codes::Recording;
    static constexpr Mode Held = Codes::Held;

    QString keyname;     // last value reported to the interface; also the repeat filter
    int hotkeyState = Matching;
    int recordCount = 0; // key names reported since the recording began
    QString hotkey;      // key names joined by " + "; empty means none
    int matchIndex = 0;  // leading keys of the hotkey matched so far
    bool busy = false;   // a hotkey command is in flight: swallow every key
    bool connected = false;
};

// What the machine needs from its worker.
class HotkeyEnvironment
{
public:
    virtual ~HotkeyEnvironment() = default;
    virtual QString keyName(unsigned vkCode) const = 0;
    // The active port as the switch last reported it ("1" or "2"), or empty.
    virtual QString activePort() const = 0;
    // The interface is told that keyname changed.
    virtual void keyReported() = 0;
    // Sends the port-switch command of `mode` and waits for its answer.
    virtual void postCommand(int mode) = 0;
};

// Records hotkeys key by key and fires the stored one: fed with every
// keyboard event the hook sees, on the thread that installed it.
namespace HotkeyMachine {

constexpr unsigned kScanF4 = 0x3E;
// A key-up with this scan code leaves a recording running.
constexpr unsigned kScanKeepsRecording = 0x22A;
constexpr unsigned kVkDelete = 0x2E;
constexpr unsigned kVkBackspace = 0x08;

// The port-switch command that hands the switch to the other computer,
// from the active port as the switch reported it ("1" or "2").
int otherPortCommand(const QString &activePort);

// The hotkey is complete: while matching, sends the switch to the other
// port when the switch is connected and no command is in flight. The desktop's
// shortcut service, where it stands in for the hook, ends here too.
void fire(HotkeyState &state, HotkeyEnvironment &environment);

// Returns true when the event must be swallowed.
bool onKeyEvent(HotkeyState &state, HotkeyEnvironment &environment, const platform::KeyEvent &event);

} // namespace HotkeyMachine
