import QtQuick 2.15
import QtTest 1.15
import "qrc:/Qml/Firmware.js" as Firmware
import "qrc:/Qml/Maintenance.js" as Maintenance
import "qrc:/Qml/Faq.js" as Faq

// What the end-to-end flows cannot arrange: a switch that will not open, a
// list that comes back in another order, settings a person edited by hand,
// the device page's rules, every
// answer the firmware service can give, and FAQ searches for texts that the
// FAQ's own entries do not hold.
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

    // The dialog descriptors: the alert of a tool that will not start, the
    // quit confirmation and what its OK does.
    function test_dialogs() {
        start()
        window.upgrade_url = "https://fw.example.com/files/QV5830_V1.0.4.exe"
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

    // The device frame of a connected switch, its Device page loaded.
    function openFrame(model, version) {
        start()
        window.dev_model = model
        window.dev_version = version
        window.dev_status = true
        window.firstrun = 0
        window.gotoNextUI()
        var frame = findChild(window.contentItem, "product_frame")
        verify(frame !== null, "no device frame")
        return frame
    }

    function test_compareVersion_data() {
        return [
            { tag: "1.10 is newer than 1.9", a: "1.10", b: "1.9", result: 1 },
            { tag: "older", a: "1.0.8", b: "1.0.9", result: -1 },
            { tag: "equal", a: "1.0.9", b: "1.0.9", result: 0 },
            { tag: "a missing part is 0", a: "1.0", b: "1.0.0", result: 0 },
            { tag: "a missing part loses to 1", a: "1.0", b: "1.0.1", result: -1 },
            { tag: "a non-numeric part is 0", a: "1.x.2", b: "1.0.2", result: 0 },
            { tag: "the v prefix", a: Firmware.plainVersion("v1.0.10"), b: Firmware.plainVersion("V1.0.9"), result: 1 },
        ]
    }

    function test_compareVersion(data) {
        compare(Firmware.compareVersion(data.a, data.b), data.result)
    }

    function test_queryUrl_data() {
        var path = "/portline/common/getFwInfo"
        return [
            { tag: "an http built-in service", base: "http://fw.vemo.example.com", override: false, url: "" },
            { tag: "an http override", base: "http://127.0.0.1:8123/", override: true, url: "http://127.0.0.1:8123" + path },
            { tag: "another scheme", base: "file:///etc/passwd", override: true, url: "" },
        ]
    }

    function test_queryUrl(data) {
        compare(Firmware.queryUrl(data.base, data.override), data.url)
    }

    // The file dialog's URLs as the encryption service needs them.
    function test_localPath_data() {
        return [
            { tag: "Linux home", url: "file:///home/ann/Vemo%20backup/s%C3%A9tup.kvm", windows: false,
              path: "/home/ann/Vemo backup/s\u00e9tup.kvm" },
            { tag: "Linux, non-ASCII unescaped", url: "file:///home/ann/\u8a2d\u5b9a.kvm", windows: false,
              path: "/home/ann/\u8a2d\u5b9a.kvm" },
            { tag: "a prefix before an absolute path", url: "file:////home/ann/a.kvm", windows: false,
              path: "/home/ann/a.kvm" },
            { tag: "Windows drive", url: "file:///C:/Users/Ann/My%20Files/%E8%A8%AD.kvm", windows: true,
              path: "C:/Users/Ann/My Files/\u8a2d.kvm" },
            { tag: "Windows share", url: "file://server/share/a.kvm", windows: true, path: "//server/share/a.kvm" },
            { tag: "a share means nothing on Linux", url: "file://server/share/a.kvm", windows: false, path: "" },
            { tag: "a broken escape", url: "file:///home/ann/100%.kvm", windows: false, path: "" },
            { tag: "another scheme", url: "https://example.com/a.kvm", windows: false, path: "" },
        ]
    }

    function test_localPath(data) {
        compare(Maintenance.localPath(data.url, data.windows), data.path)
    }

    // The tool's name must stay a plain name inside the temporary folder.
    function test_plainFileName_data() {
        return [
            { tag: "plain", url: "https://fw.example.com/files/QV5830_V1.0.10.exe?k=1", name: "QV5830_V1.0.10.exe" },
            { tag: "escaped space", url: "https://fw.example.com/a%20b.exe", name: "a b.exe" },
            { tag: "escaped backslash", url: "https://fw.example.com/..%5Cx.exe", name: "" },
            { tag: "dot dot", url: "https://fw.example.com/files/%2E%2E", name: "" },
            { tag: "NUL", url: "https://fw.example.com/x%00.exe", name: "" },
            { tag: "empty", url: "https://fw.example.com/files/", name: "" },
        ]
    }

    function test_plainFileName(data) {
        compare(Maintenance.plainFileName(data.url), data.name)
    }

    function test_faqMatches_data() {
        return [
            { tag: "an invalid expression as plain text", answer: "Press (and hold)", keywords: "(AND", hit: true },
            { tag: "a lone bracket", answer: "See [1]", keywords: "[", hit: true },
            { tag: "a trailing backslash", answer: "C:\\", keywords: "\\", hit: true },
            { tag: "escapes keep their case", answer: "1234", keywords: "\\D", hit: false },
            { tag: "the model named", answer: "QV5830 only", keywords: "qv5840 only", hit: true },
        ]
    }

    function test_faqMatches(data) {
        compare(Faq.matches({ title: "", answer: data.answer }, data.keywords, "QV5840"), data.hit)
    }

    function test_devicePage() {
        var frame = openFrame("QV5830", "V1.0.9")
        var page = findChild(frame, "load_menu").item
        verify(page !== null && page.hotkeyModel !== undefined, "the Device page is not loaded")

        // The hotkey chips: one per key, or one "Not set".
        var chips = function () {
            var keys = []
            for (var i = 0; i < page.hotkeyModel.count; ++i)
                keys.push(page.hotkeyModel.get(i).keyvalue)
            return keys
        }
        compare(chips(), ["Shift", "Alt", "S"])
        var hotkeys = [["", ["Not set"]], ["F5", ["Not set"]], ["Ctrl + F1", ["Ctrl", "F1"]]]
        for (var h = 0; h < hotkeys.length; ++h) {
            window.hotkey_list = hotkeys[h][0]
            page.createhotkeyUI()
            compare(chips(), hotkeys[h][1], "hotkey \"" + hotkeys[h][0] + "\"")
        }

        // Each row type: what reaches the services, and the alert on failure.
        var dialogs = findChild(frame, "dialog_loader")
        var rows = [
            { type: "lane", value: 0, accepted: true, calls: ["post 5"], done: true },
            { type: "lane", value: 1, accepted: false, calls: ["post 6"], done: false },
            { type: "silent", value: 1, accepted: false, calls: ["mute", "function silent 1"], done: true, silent: "1" },
            { type: "silent", value: 0, accepted: true, calls: ["restore", "function silent 0"], done: true, silent: "0" },
            { type: "video", value: 1, accepted: true, calls: [], done: false },
            { type: "safely", value: 1, accepted: true, calls: [], done: false },
        ]
        for (var r = 0; r < rows.length; ++r) {
            var row = rows[r]
            var what = row.type + " " + row.value + (row.accepted ? "" : " refused")
            stubs.calls = []
            stubs.postAccepted = row.accepted
            dialogs.visible = false
            compare(page.sendtoDevice(row.type, row.value), row.done, what)
            compare(stubs.calls, row.calls, what)
            compare(dialogs.visible, !row.done, what)
            if (!row.done)
                compare(window.alert_dialog_info.title, "The operation failed", what)
            if (row.silent !== undefined) {
                compare(stubs.ini.QV5830.silent, row.silent, what)
                compare(window.silent_remove, row.value, what)
            }
        }
    }

    // Against the firmware service: which answers offer an upgrade, which
    // say the firmware is current, and which count as a failed query.
    function test_firmwareQuery_data() {
        return [
            { tag: "newer", model: "NEWER", outcome: "offer", ischecking: 0 },
            { tag: "equal", model: "EQUAL", outcome: "current", ischecking: 0 },
            { tag: "older", model: "OLDER", outcome: "current", ischecking: 0 },
            { tag: "time-out", model: "SLOW", outcome: "none", ischecking: 2 },
            { tag: "status 500", model: "BROKEN", outcome: "none", ischecking: 2 },
            { tag: "not JSON", model: "GARBLED", outcome: "none", ischecking: 2 },
            { tag: "an unknown model", model: "NOSUCH", outcome: "none", ischecking: 2 },
        ]
    }

    function test_firmwareQuery(data) {
        var frame = openFrame(data.model, "V1.0.9")
        frame.queryTimeout = 1000
        frame.switch_product_menu(Qt.resolvedUrl("stubs/CheckingPage.qml"))
        var page = findChild(frame, "load_menu").item
        page.ischecking = 1
        frame.checkfirmware()
        tryVerify(function () { return page.ischecking !== 1 }, 10000, "the query never ended")
        compare(page.ischecking, data.ischecking)
        compare(findChild(frame, "upgrade_loader").visible, data.outcome === "offer")
        compare(findChild(frame, "dialog_loader").visible, data.outcome === "current")
        if (data.outcome === "current")
            compare(window.alert_dialog_info.title, "Version is up to date!")
        compare(window.new_ver, data.outcome === "none" ? "" : { NEWER: "v1.0.10", EQUAL: "V1.0.9", OLDER: "v1.0.8" }[data.model])
    }
}
