import QtQuick 2.15
import QtTest 1.15

// What the end-to-end flows cannot arrange: a switch that will not open, a
// list that comes back in another order, settings a person edited by hand,
// and a firmware file that does not open.
TestCase {
    name: "MainWindow"
    property var window: null

    function switchAt(path, model) {
        return { path: path, modelname: model, vid: "2109", pid: "0001", desc: "" }
    }

    function start() {
        var component = Qt.createComponent("qrc:/Qml/main.qml")
        verify(component.status === Component.Ready, component.errorString())
        window = component.createObject(null)
        verify(window !== null)
    }

    function cleanup() {
        if (window !== null)
            window.destroy()
        window = null
        stubs.reset()
    }

    // The connections in the order they were tried.
    function connects() {
        return stubs.calls.filter(function (call) { return call.indexOf("connect ") === 0 })
    }

    function test_connect_data() {
        var a = switchAt("/a", "QV5830"), b = switchAt("/b", "QV5840")
        return [
            { tag: "the first switch that opens", devices: [a, b], connectable: ["/b"], ini: {},
              tried: ["connect /a", "connect /b"], model: "QV5840", hotkey: "Shift + Alt + S",
              stored: { firstrun: "0", hotkey: "Shift + Alt + S", silent: "0", autocheck: "0" }, muted: false },
            { tag: "a first run resets a stored hotkey", devices: [a], connectable: ["/a"],
              ini: { QV5830: { firstrun: "1", hotkey: "Ctrl + F1", silent: "on", autocheck: "1" } },
              tried: ["connect /a"], model: "QV5830", hotkey: "Shift + Alt + S",
              stored: { firstrun: "1", hotkey: "Shift + Alt + S", silent: "0", autocheck: "1" }, muted: false },
            { tag: "a known switch keeps its hotkey and mutes", devices: [a], connectable: ["/a"],
              ini: { QV5830: { firstrun: "0", hotkey: "Ctrl + F1", silent: "1", autocheck: "0" } },
              tried: ["connect /a"], model: "QV5830", hotkey: "Ctrl + F1",
              stored: { firstrun: "0", hotkey: "Ctrl + F1", silent: "1", autocheck: "0" }, muted: true },
        ]
    }

    function test_connect(data) {
        stubs.devices = data.devices
        stubs.connectable = data.connectable
        stubs.ini = data.ini
        start()
        tryVerify(function () { return window.dev_status }, 5000, "no switch connected")
        compare(connects(), data.tried)
        compare(window.dev_model, data.model)
        compare(window.hotkey_list, data.hotkey)
        compare(stubs.ini[data.model], data.stored)
        compare(stubs.ini.System, { autorun: "1", language: "0" })
        verify(stubs.calls.indexOf("hotkey " + data.hotkey) >= 0, stubs.calls)
        compare(stubs.calls.indexOf("mute") >= 0, data.muted)
        compare(stubs.calls.indexOf("function silent " + (data.muted ? 1 : 0)) >= 0, true)
    }

    function test_theSwitchInUseStaysChosen() {
        stubs.devices = [switchAt("/a", "QV5830"), switchAt("/b", "QV5840")]
        stubs.connectable = ["/a", "/b"]
        start()
        tryVerify(function () { return window.dev_status })
        // A device arrives elsewhere; the list comes back in another order.
        stubs.calls = []
        stubs.devices = [switchAt("/b", "QV5840"), switchAt("/a", "QV5830")]
        stubs.detect_event.devChanged()
        tryVerify(function () { return connects().length > 0 })
        compare(connects(), ["connect /a"])
        compare(window.selectDevIndex, 1)
    }

    function test_dialogs() {
        start()
        window.upgrade_url = "http://fw.example.com/files/QV5830_V1.0.4.bin"
        stubs.processOpens = false
        window.openUpgrade()
        compare(window.alert_dialog_info.msg, "Firmware upgrade file open failed.")

        window.silent_remove = 1
        window.showExitWindow()
        compare(window.confirm_dialog_info.msg, "Are you sure you want to quit Vemo Portview?")
        stubs.calls = []
        window.confirm_dialog_info.dofunc()
        compare(stubs.calls, ["disconnect", "restore"])
    }
}
