import QtQuick 2.15

// The services the window borrows, as the program's entry point hands them
// over, recording what the window asks of them in `calls`.
QtObject {
    id: stubs

    property var calls: []
    property var ini: ({})
    property var devices: []
    property var connectable: []
    property bool postAccepted: true
    property bool processOpens: true

    function record(call) { calls.push(call) }
    function reset() {
        calls = []
        ini = {}
        devices = []
        connectable = []
        postAccepted = true
        processOpens = true
    }

    property QtObject io: QtObject {
        function loadIni(group, key) { return Object.assign({}, stubs.ini[group] || {}) }
        function setIni(group, key, value) {
            if (!stubs.ini[group])
                stubs.ini[group] = {}
            stubs.ini[group][key] = String(value)
        }
    }
    property QtObject regedit: QtObject {
        function setMuteReg(key, value) { stubs.record("mute") }
        function emitRestore() { stubs.record("restore") }
    }
    property QtObject com: QtObject {
        function getCompanyName() { return "Vemo" }
    }
    property QtObject process: QtObject {
        function setAPAutorun(flag) { return true }
        function openProcess(path) { return stubs.processOpens }
    }
    property QtObject detect_event: QtObject {
        signal devChanged()
    }
}
