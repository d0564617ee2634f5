import QtQuick 2.15

// The device link: only the paths in `stubs.connectable` open.
QtObject {
    property int devstatus: 0
    property bool hotkeyUnavailable: false
    property int activePort: 0
    property var portNames: []
    property string openError: ""
    property string openCommand: ""
    function connectDevice(path) {
        stubs.record("connect " + path)
        return stubs.connectable.indexOf(path) >= 0
    }
    function disconnectDevice() { stubs.record("disconnect") }
    function setHotkey(hotkey) { stubs.record("hotkey " + hotkey); return true }
    function isValidHotkey(hotkey) { return hotkey.indexOf(" + ") > 0 }
    function setFunction(name, value) { stubs.record("function " + name + " " + value) }
    function getSetting() { return { version: "V1.0.3", curport: "1", Name1: "Desk", smode: "normal" } }
    function upgradeModeEntered() { return false }
    function postCmd(mode) {
        stubs.record("post " + mode)
        return stubs.postAccepted
    }
}
