import QtQuick 2.15

// Discovery that answers, a turn of the event loop later, with the switches
// the test put into `stubs.devices`.
QtObject {
    property var devlist: []
    signal hidFinished()
    signal openChecked(string path, string openError)
    function retryOpen(path) { stubs.record("retry " + path) }
    function loadDeviceRes() {}
    function enumerate(network) {
        stubs.record("enumerate")
        devlist = stubs.devices
        Qt.callLater(hidFinished)
    }
}
