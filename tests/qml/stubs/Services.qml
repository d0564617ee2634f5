import QtQuick 2.15

// What the stand-ins for the device link and worker answer, and what the
// window asked of them (`calls`); and the device-change signal.
QtObject {
    id: stubs

    property var calls: []
    property var devices: []
    property var connectable: []
    property bool postAccepted: true

    function record(call) { calls.push(call) }
    function reset() {
        calls = []
        devices = []
        connectable = []
        postAccepted = true
    }

    property QtObject detect_event: QtObject {
        signal devChanged()
    }
}
