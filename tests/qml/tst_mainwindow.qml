import QtQuick 2.15
import QtTest 1.15
import "qrc:/Qml/Firmware.js" as Firmware
import "qrc:/Qml/Maintenance.js" as Maintenance
import "qrc:/Qml/Faq.js" as Faq

// What the end-to-end flows cannot arrange: a switch that will not open, a
// list that comes back in another order, settings edited by hand, hidden
// rows, failed firmware queries, and texts the FAQ's entries do not hold.
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

    // With no switch remembered, the first card whose switch opens wins.
    function test_theFirstSwitchThatOpens() {
        stubs.devices = [switchAt("/a", "QV5830"), switchAt("/b", "QV5840")]
        stubs.connectable = ["/b"]
        start()
        tryVerify(function () { return window.dev_status }, 5000, "no switch connected")
        compare(connects(), ["connect /a", "connect /b"])
        compare(window.dev_model, "QV5840")
        compare(window.selectDevIndex, 1)
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

    function test_aToolThatWillNotStart() {
        start()
        window.upgrade_url = "https://fw.example.com/files/QV5830_V1.0.4.exe"
        window.openUpgrade()
        compare(window.confirm_dialog_info.msg, "Firmware upgrade file open failed.")
        verify(window.confirm_dialog_info.detail.indexOf("unplug it and plug it in again") >= 0)
        verify(typeof window.confirm_dialog_info.dofunc === "function", "no way to start the tool again")
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

    // Versions with parts the firmware service never sends.
    function test_compareVersion() {
        compare(Firmware.compareVersion("1.0", "1.0.0"), 0)
        compare(Firmware.compareVersion("1.0", "1.0.1"), -1)
        compare(Firmware.compareVersion("1.x.2", "1.0.2"), 0)
    }

    // Only the override may be plain http, and nothing else but https.
    function test_queryUrl() {
        compare(Firmware.queryUrl("http://fw.vemo.example.com", false), "")
        compare(Firmware.queryUrl("file:///etc/passwd", true), "")
    }

    // The file dialog's URLs as the encryption service needs them.
    function test_localPath_data() {
        return [
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
            { tag: "escaped backslash", url: "https://fw.example.com/..%5Cx.exe", name: "" },
            { tag: "dot dot", url: "https://fw.example.com/files/%2E%2E", name: "" },
            { tag: "NUL", url: "https://fw.example.com/x%00.exe", name: "" },
            { tag: "empty", url: "https://fw.example.com/files/", name: "" },
        ]
    }

    function test_plainFileName(data) {
        compare(Maintenance.plainFileName(data.url), data.name)
    }

    // An invalid expression is looked for as plain text; escapes keep their case.
    function test_faqMatches() {
        compare(Faq.matches({ title: "", answer: "Press (and hold)" }, "(AND", "QV5840"), true)
        compare(Faq.matches({ title: "", answer: "1234" }, "\\D", "QV5840"), false)
        compare(Faq.matches({ title: "", answer: "Port1 & Port 2 LED" }, "port ?[12] (&|and) port", ""), true)
        // Six groups and a character that never matches: answered at once
        // (bench_faq prints the time), matching nothing.
        for (var i = 0; i < Faq.entries.length; ++i)
            compare(Faq.matches(Faq.entries[i], "(.*)(.*)(.*)(.*)(.*)(.*)\u00ff", "QV5840"), false)
    }

    // A restore keeps only a hotkey the worker's rule allows.
    function test_restoredHotkeyIsChecked() {
        var text = Maintenance.backupText("QV5840", "A", 1, 0)
        compare(Maintenance.parseBackup(text, "QV5840", function (hotkey) { return hotkey !== "A" }), null)
        compare(Maintenance.parseBackup(text, "QV5840", function () { return true }).hotkey, "A")
    }

    function test_devicePage() {
        var frame = openFrame("QV5830", "V1.0.9")
        var page = findChild(frame, "load_menu").item
        verify(page !== null && page.hotkeyModel !== undefined, "the Device page is not loaded")

        // A one-key hotkey, which the editor never saves: one "Not set" chip.
        window.hotkey_list = "F5"
        page.createhotkeyUI()
        compare(page.hotkeyModel.count, 1)
        compare(page.hotkeyModel.get(0).keyvalue, "Not set")

        // The hidden lane row and silent removal: a refused command shows
        // the alert, silent removal follows the page's choice.
        var dialogs = findChild(frame, "dialog_loader")
        var rows = [
            { type: "lane", value: 0, accepted: true, done: true },
            { type: "lane", value: 1, accepted: false, done: false },
            { type: "silent", value: 1, accepted: false, done: true, silent: "1" },
            { type: "silent", value: 0, accepted: true, done: true, silent: "0" },
        ]
        for (var r = 0; r < rows.length; ++r) {
            var row = rows[r]
            var what = row.type + " " + row.value + (row.accepted ? "" : " refused")
            stubs.postAccepted = row.accepted
            dialogs.visible = false
            compare(page.sendtoDevice(row.type, row.value), row.done, what)
            compare(dialogs.visible, !row.done, what)
            if (!row.done)
                compare(window.alert_dialog_info.title, "The operation failed", what)
            if (row.silent !== undefined) {
                compare(io.loadIni("QV5830", "").silent, row.silent, what)
                compare(window.silent_remove, row.value, what)
            }
        }
    }

    // Against the firmware service: an older offer is no offer, and which
    // answers count as a failed query (the flows see newer and equal ones).
    function test_firmwareQuery_data() {
        return [
            { tag: "older", model: "OLDER", outcome: "current", ischecking: 0, fault: "" },
            { tag: "time-out", model: "SLOW", outcome: "none", ischecking: 2, fault: "network" },
            { tag: "status 500", model: "BROKEN", outcome: "none", ischecking: 2, fault: "server" },
            { tag: "not JSON", model: "GARBLED", outcome: "none", ischecking: 2, fault: "answer" },
            { tag: "moved to plain http elsewhere", model: "MOVED", outcome: "none", ischecking: 2, fault: "network" },
            { tag: "20 MB", model: "HUGE", outcome: "none", ischecking: 2, fault: "answer" },
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
        compare(page.checkFault, data.fault)
        compare(findChild(frame, "upgrade_loader").visible, data.outcome === "offer")
        compare(findChild(frame, "dialog_loader").visible, data.outcome === "current")
        if (data.outcome === "current")
            compare(window.alert_dialog_info.title, "Version is up to date!")
        compare(window.new_ver, data.outcome === "none" ? "" : "v1.0.8")
    }

    // A temporary folder that takes no file is said as such, not as a
    // network failure (the download reports it as error 2).
    function test_aToolThatCannotBeSaved() {
        var frame = openFrame("QV5830", "V1.0.9")
        frame.firmwareAnswered(200, '{"result":{"fwVersion":"V1.0.10","firmwareFileUrl":"https://fw.example.com/f/QV5830_V1.0.10.exe"}}')
        var download = findChild(frame, "update_download")
        verify(download !== null, "no upgrade page")
        download.error(2, "No space left on device")
        compare(window.alert_dialog_info.msg, "The upgrade tool could not be saved: the temporary folder is full or read-only.")
        compare(findChild(frame, "upgrade_loader").visible, false)
    }
}
