#pragma once

#include <QObject>

// The numbers the interface and the device worker pass through their int
// slots (Monitor::postCmd, Monitor::restartHotkey) and the codes the keyboard
// hook reports in `keyname`, named once for C++ and, registered as "Codes",
// for QML. The slots keep their int signatures: these are their values.
namespace Codes {
Q_NAMESPACE

// Monitor::postCmd(mode): the switch command each mode sends.
enum Command {
    VideoNormal = 1,   // "videoswmode normal"
    VideoFaster = 2,   // "videoswmode faster"
    SwitchToPort1 = 3, // "sw i00"
    SwitchToPort2 = 4, // "sw i01"
    TwoLane = 5,       // "sw l01"
    FourLane = 6,      // "sw l00"
    FactoryReset = 7,  // "clearallsetting"
    UpgradeMode = 8,   // "update"
};
Q_ENUM_NS(Command)

// Monitor::restartHotkey(flag): what the keyboard hook does with the keys.
enum HotkeyMode {
    Matching = 0,  // fires the stored hotkey
    Recording = 1, // names every key for the hotkey editor
    Held = 2,      // after a rejected capture: reports nothing until restarted
};
Q_ENUM_NS(HotkeyMode)

// The codes `keyname` carries besides key names (as text: "-1" to "-4").
enum KeyEvent {
    SystemConflict = -1,   // Alt+F4 during a recording
    KeysCleared = -2,      // Delete or Backspace
    RecordingStarted = -3, // nothing reported yet
    KeysReleased = -4,     // the recording ended: judge the capture
};
Q_ENUM_NS(KeyEvent)

// `ischecking` of the device frame's content page: the firmware query.
enum CheckState {
    CheckIdle = 0,
    Checking = 1,
    CheckFailed = 2,
};
Q_ENUM_NS(CheckState)

// `status_img` of a device card.
enum CardLink {
    NotConnected = 0,
    Connected = 1,
};
Q_ENUM_NS(CardLink)

// The text `keyname` carries for a code.
inline QString keyEventText(KeyEvent event)
{
    return QString::number(int(event));
}

} // namespace Codes
