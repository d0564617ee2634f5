#include "HotkeyMachine.h"

#include <QStringList>

namespace HotkeyMachine {
namespace {

void report(HotkeyState &state, HotkeyEnvironment &environment, const QString &value)
{
    state.keyname = value;
    environment.keyReported();
}

// Recording reports each new key name once; a key held down repeats its
// key-down, and the repeat carries the name just reported.
void recordStep(HotkeyState &state, HotkeyEnvironment &environment, const QString &name)
{
    if (state.recordCount == 0)
        report(state, environment, Codes::keyEventText(Codes::RecordingStarted));
    if (state.keyname != name) {
        report(state, environment, name);
        ++state.recordCount;
    }
}

// The hotkey fires when its keys go down in order with no other key going
// down and no key coming up in between.
void matchStep(HotkeyState &state, HotkeyEnvironment &environment, const QString &name)
{
    if (state.hotkey.isEmpty())
        return;
    const QStringList keys = state.hotkey.split(QStringLiteral(" + "));
    if (state.keyname == name)
        return;
    if (state.matchIndex >= keys.size())
        state.matchIndex = 0;
    if (name != keys.at(state.matchIndex)) {
        state.matchIndex = 0;
        return;
    }
    ++state.matchIndex;
    if (state.matchIndex == keys.size())
        fire(state, environment);
}

bool isDeleteKey(unsigned vkCode)
{
    return vkCode == kVkDelete || vkCode == kVkBackspace;
}

void onKeyDown(HotkeyState &state, HotkeyEnvironment &environment, const platform::KeyEvent &event,
               const QString &name)
{
    const bool recording = state.hotkeyState == HotkeyState::Recording;
    const bool held = state.hotkeyState == HotkeyState::Held;
    if ((recording || held) && isDeleteKey(event.vkCode))
        report(state, environment, Codes::keyEventText(Codes::KeysCleared));
    else if (held)
        return;
    else if (recording)
        recordStep(state, environment, name);
    else
        matchStep(state, environment, name);
}

void onKeyUp(HotkeyState &state, HotkeyEnvironment &environment, const platform::KeyEvent &event)
{
    const bool recording = state.hotkeyState == HotkeyState::Recording;
    const bool held = state.hotkeyState == HotkeyState::Held;
    if ((recording || held) && isDeleteKey(event.vkCode)) {
        report(state, environment, Codes::keyEventText(Codes::KeysCleared));
    } else if (held || (recording && event.scanCode == kScanKeepsRecording)) {
        return;
    } else if (recording) {
        state.hotkeyState = HotkeyState::Matching;
        report(state, environment, Codes::keyEventText(Codes::KeysReleased));
    } else {
        state.matchIndex = 0;
    }
}

void onSystemKeyUp(HotkeyState &state, HotkeyEnvironment &environment)
{
    if (state.hotkeyState == HotkeyState::Recording) {
        state.hotkeyState = HotkeyState::Matching;
        report(state, environment, Codes::keyEventText(Codes::KeysReleased));
    } else {
        state.matchIndex = 0;
    }
}

} // namespace

int otherPortCommand(const QString &activePort)
{
    return activePort == QLatin1String("1") ? Codes::SwitchToPort2 : Codes::SwitchToPort1;
}

void fire(HotkeyState &state, HotkeyEnvironment &environment)
{
    if (state.hotkeyState != HotkeyState::Matching)
        return;
    const int mode = otherPortCommand(environment.activePort());
    if (state.connected && !state.busy) {
        state.busy = true;
        environment.postCommand(mode);
    }
}

bool onKeyEvent(HotkeyState &state, HotkeyEnvironment &environment, const platform::KeyEvent &event)
{
    const bool recording = state.hotkeyState == HotkeyState::Recording;
    // Alt+F4 while recording would close the window under the recorder.
    if (event.hookCode == 0 && event.message == platform::kSysKeyDown && event.scanCode == kScanF4 && recording) {
        report(state, environment, QStringLiteral("F4"));
        report(state, environment, Codes::keyEventText(Codes::SystemConflict));
        return true;
    }

    const QString name = environment.keyName(event.vkCode);
    switch (event.message) {
    case platform::kKeyDown:
        onKeyDown(state, environment, event, name);
        break;
    case platform::kKeyUp:
        onKeyUp(state, environment, event);
        break;
    case platform::kSysKeyDown:
        if (recording)
            recordStep(state, environment, name);
        else
            matchStep(state, environment, name);
        break;
    case platform::kSysKeyUp:
        onSystemKeyUp(state, environment);
        break;
    default:
        break;
    }
    return state.busy;
}

} // namespace HotkeyMachine
