import QtQuick 2.15
import com.vemo.portview 1.0

// The connection to the switches: the search, the cards it gives, the
// automatic connection, the per-model settings of the INI file, the status
// read and the reaction to a switch that went away. The window shows what
// this holds; pages reach it through the window's `main.*` names.
Item {
    id: session

    // The services: the window's discovery link and command worker.
    property var hidusb
    property var monitor

    readonly property string defaultHotkey: "Shift + Alt + S"
    readonly property alias cards: hid_dev_model

    property var devsInfo: ""
    property int selectDevIndex: -1
    property bool dev_status: false
    property string status_img: ""
    property string usb_path: ""
    property string dev_model: ""
    property string dev_version: ""
    property var dev_setting
    property string dev_port: ""
    property string dev_portname: ""
    property string hotkey_list: defaultHotkey
    property int silent_remove: 0
    property int firstrun: 1
    property int auto_check: 0

    // What the home page shows: the busy animation, the "no device" text and
    // the list heading.
    property bool searching: true
    property bool noDevice: false
    property bool listed: false

    // A firmware upgrade under way: the model put into upgrade mode and the
    // version it reported then, kept until that model connects again and
    // reports its firmware. Meanwhile the home page says so instead of "No
    // device detected" (the switch leaves while it is written).
    property string upgradeModel: ""
    property string upgradeFrom: ""
    readonly property bool upgrading: upgradeModel !== ""

    // The connected switch stopped answering: its pages must go.
    signal deviceLost()
    // The upgraded switch is back and reports `version`.
    signal upgradeEnded(string version, bool changed)

    function upgradeStarted() {
        upgradeModel = dev_model
        upgradeFrom = dev_version
    }

    ListModel { id: hid_dev_model }

    Timer {
        id: retry_timer
        interval: 100
        repeat: true
        onTriggered: session.getDevSetting()
    }

    // "Try again" on a card whose switch could not be opened: opened now,
    // it connects as a click on its card would.
    function retryOpen(index) {
        if (index >= 0 && index < hid_dev_model.count)
            hidusb.retryOpen(hid_dev_model.get(index).dev_path)
    }

    Connections {
        target: session.hidusb
        function onOpenChecked(path, openError) {
            for (var i = 0; i < hid_dev_model.count; ++i) {
                if (hid_dev_model.get(i).dev_path !== path)
                    continue
                var record = session.hidusb.devlist.filter(function (d) { return d.path === path })[0]
                // A failed connection has given the card its own reason.
                if (openError === "" && session.connectDevice(i))
                    return
                console.log("still not opened:", path, openError)
                if (openError !== "")
                    session.refuse(i, openError, record && record.openCommand ? record.openCommand : "")
                hid_dev_model.setProperty(i, "failed_tries", hid_dev_model.get(i).failed_tries + 1)
                return
            }
        }
    }

    function refuse(index, code, command) {
        hid_dev_model.setProperty(index, "open_error", code)
        hid_dev_model.setProperty(index, "open_command", command)
    }

    Connections {
        target: detect_event
        function onDevChanged() {
            retry_timer.stop()
            session.searchDevice()
        }
    }

    // An INI value counts when it is not empty and reads as a number.
    function iniNumeric(value) {
        return value !== undefined && value !== null && value !== "" && !isNaN(value)
    }

    function searchDevice() {
        auto_connect.stop()
        searching = true
        noDevice = false
        listed = false
        hid_dev_model.clear()
        selectDevIndex = -1
        // The device list comes from the local resources, never the network.
        hidusb.enumerate(0)
    }

    // The discovery record behind a card. Cards leave the list when their
    // switch goes away, so the card's path is what ties it to its record.
    function deviceOf(index) {
        if (index < 0 || index >= hid_dev_model.count || !devsInfo)
            return null
        var path = hid_dev_model.get(index).dev_path
        for (var i = 0; i < devsInfo.length; ++i) {
            if (devsInfo[i].path === path)
                return devsInfo[i]
        }
        return null
    }

    function connectDevice(index) {
        var device = deviceOf(index)
        if (device === null) {
            console.info("no device behind card", index)
            return false
        }
        monitor.disconnectDevice()
        dev_model = device.modelname
        dev_status = monitor.connectDevice(device.path)
        if (!dev_status) {
            var previous = selectDevIndex
            selectDevIndex = -1
            hid_dev_model.setProperty(index, "status_img", Codes.NotConnected)
            refuse(index, monitor.openError || "other", monitor.openCommand)
            // The switch connected before was closed for this one: it is
            // opened again, or its hotkey would stay dead until a click.
            if (previous !== -1 && previous !== index && previous < hid_dev_model.count) {
                hid_dev_model.setProperty(previous, "status_img", Codes.NotConnected)
                connectDevice(previous)
            }
            if (selectDevIndex === -1)
                status_img = "../Images/offline.png"
            return false
        }
        refuse(index, "", "")
        if (selectDevIndex !== -1 && selectDevIndex < hid_dev_model.count)
            hid_dev_model.setProperty(selectDevIndex, "status_img", Codes.NotConnected)
        selectDevIndex = index
        usb_path = device.path
        hid_dev_model.setProperty(index, "status_img", Codes.Connected)
        status_img = "../Images/online.png"
        loadModelSettings()
        applysetting()
        retry_timer.start()
        return true
    }

    // The model's INI group; a missing or non-numeric value gets its default
    // written back. A first run keeps the default hotkey. Every value starts
    // from its default, so a model without a group of its own never takes
    // over the previous model's settings (and writes them into its group).
    // "firstrun" stays 1 until the guide has been shown: the window marks it
    // then, since a switch may connect and reconnect before its first click.
    function loadModelSettings() {
        firstrun = 1
        hotkey_list = defaultHotkey
        silent_remove = 0
        auto_check = 0
        var cfg = io.loadIni(dev_model, "")
        if (iniNumeric(cfg.firstrun))
            firstrun = Number(cfg.firstrun)
        else
            io.setIni(dev_model, "firstrun", "1")
        if (firstrun === 0) {
            if (cfg.hotkey !== undefined && cfg.hotkey !== "" && monitor.isValidHotkey(cfg.hotkey)) {
                hotkey_list = cfg.hotkey
            } else if (cfg.hotkey !== undefined && cfg.hotkey !== "") {
                // A hand-edited or damaged value would make any key switch
                // the computers: the default takes its place.
                console.log("stored hotkey refused, the default used:", String(cfg.hotkey).substring(0, 40))
                io.setIni(dev_model, "hotkey", defaultHotkey)
            }
        } else if (cfg.hotkey !== defaultHotkey) {
            io.setIni(dev_model, "hotkey", defaultHotkey)
        }
        if (iniNumeric(cfg.silent))
            silent_remove = Number(cfg.silent)
        else
            io.setIni(dev_model, "silent", "0")
        if (iniNumeric(cfg.autocheck))
            auto_check = Number(cfg.autocheck)
        else
            io.setIni(dev_model, "autocheck", "0")
    }

    // Silent USB removal on or off: the sound scheme, the model's INI group
    // and the worker. A value the INI did not take is said.
    function applySilent(on) {
        if (on)
            regedit.setMuteReg(".", "")
        else
            regedit.emitRestore()
        if (!io.setIni(dev_model, "silent", on ? "1" : "0"))
            main.settingNotSaved()
        monitor.setFunction("silent", on ? 1 : 0)
    }

    function applysetting() {
        monitor.setHotkey(hotkey_list)
        saveHotkey(hotkey_list)
        applySilent(silent_remove === 1)
    }

    // The hotkey the worker now uses, kept for the next start; a value the
    // INI did not take is said.
    function saveHotkey(hotkey) {
        if (!io.setIni(dev_model, "hotkey", hotkey))
            main.settingNotSaved()
    }

    function getDevSetting() {
        dev_setting = monitor.getSetting()
        if (dev_setting.version === undefined || dev_setting.curport === undefined || dev_setting.curport === "")
            return
        dev_version = dev_setting.version
        dev_port = dev_setting.curport
        dev_portname = dev_setting["Name" + dev_setting.curport] !== undefined
                       ? dev_setting["Name" + dev_setting.curport] : ""
        retry_timer.stop()
        if (upgrading && dev_model === upgradeModel) {
            var changed = dev_version.toLowerCase() !== upgradeFrom.toLowerCase()
            upgradeModel = ""
            upgradeEnded(dev_version, changed)
        }
    }

    // The connected switch is no longer listed: it is gone before its
    // heartbeat noticed, and its pages go at once, before another switch
    // may be connected in its place.
    function dropIfGone(list) {
        if (!dev_status || usb_path === "")
            return
        for (var i = 0; list && i < list.length; ++i) {
            if (list[i].path === usb_path)
                return
        }
        console.log("the connected switch is gone:", usb_path)
        dev_status = false
        status_img = "../Images/offline.png"
        deviceLost()
    }

    function deviceListArrived() {
        devsInfo = hidusb.devlist
        dropIfGone(devsInfo)
        if (devsInfo === undefined || devsInfo === null) {
            noDevice = true
            return
        }
        if (devsInfo.length === 0) {
            searching = false
            noDevice = true
            return
        }
        // Fields copied unchanged from the discovery record; one the catalogue
        // leaves out becomes an empty text, so every card has the same roles.
        var copied = ["modelname", "network", "desc", "fullview", "diagram", "ddc", "front", "rear",
                      "upgrade_name", "upgrade_date", "upgrade_new", "upgrade_fix", "official_ver"]
        for (var i = 0; i < devsInfo.length; ++i) {
            var d = devsInfo[i]
            var card = { selected: 1, vid_pid: d.vid + "/" + d.pid, dev_path: d.path, status_img: Codes.NotConnected,
                         open_error: d.openError || "", open_command: d.openCommand || "", failed_tries: 0 }
            for (var k = 0; k < copied.length; ++k)
                card[copied[k]] = d[copied[k]] === undefined ? "" : d[copied[k]]
            hid_dev_model.append(card)
        }
        searching = false
        listed = true
        // The cards are drawn before the automatic connection talks to the
        // switch; its answer marks the connected card a frame later.
        auto_connect.restart()
    }

    // The remembered switch first; when it is gone (unplugged, handed to the
    // other computer) or does not open, the first that opens, so the hotkey
    // keeps working with the switch that is still here.
    function connectAutomatically() {
        var remembered = -1
        for (var j = 0; j < hid_dev_model.count; ++j) {
            if (usb_path !== "" && hid_dev_model.get(j).dev_path === usb_path)
                remembered = j
        }
        if (remembered === -1 || !connectDevice(remembered)) {
            for (var n = 0; n < hid_dev_model.count; ++n) {
                if (n !== remembered && connectDevice(n))
                    break
            }
        }
    }

    // Longer than the window's wait for its next frame (5 ms), so the cards'
    // frame comes first. A new search stops it: its own list connects.
    Timer {
        id: auto_connect
        interval: 15
        onTriggered: session.connectAutomatically()
    }

    function deviceStatusChanged() {
        console.log("monitor.devstatus", monitor.devstatus)
        var selected = selectDevIndex >= 0 && selectDevIndex < hid_dev_model.count
        if (monitor.devstatus === 0) {
            dev_status = false
            deviceLost()
            if (selected) {
                hid_dev_model.setProperty(selectDevIndex, "status_img", Codes.NotConnected)
                hid_dev_model.remove(selectDevIndex)
                selectDevIndex = -1
            }
            status_img = "../Images/offline.png"
        } else {
            dev_status = true
            if (selected)
                hid_dev_model.setProperty(selectDevIndex, "status_img", Codes.Connected)
            status_img = "../Images/online.png"
        }
        if (hid_dev_model.count === 0) {
            noDevice = true
            listed = false
        }
    }
}
