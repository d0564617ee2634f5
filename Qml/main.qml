import QtQuick 2.15
import QtQuick.Window 2.15
import com.vemo.HID 1.0
import Qt.Quick.Monitor 1.0
import com.vemo.portview 1.0

// The main window: the application frame with its title bar, logo bar and
// home page, the loaders every other page and dialog is placed in, and the
// state the pages share as `main.*`. The device session, the tray and the
// dialogs are units of their own; the window forwards their names.
Window {
    id: main

    // Windows draws the frame inside a transparent window as large as the
    // desktop. Without a compositing manager (a plain X11 session) such a
    // window is black and swallows the desktop, so elsewhere the window is
    // the frame itself and the window manager moves it.
    readonly property bool fullDesktop: Qt.platform.os === "windows"
    readonly property int frameWidth: 962
    readonly property int frameHeight: 640
    readonly property alias area: fit.area
    readonly property alias fitScale: fit.fitScale
    readonly property alias shownWidth: fit.shownWidth
    readonly property alias shownHeight: fit.shownHeight
    readonly property alias compositorPlaces: fit.compositorPlaces

    property string company: ""
    property string bgcolor: Theme.bgcolor
    property string titlecolor: Theme.titlecolor
    property string contentcolor: Theme.contentcolor
    property string btncolor: Theme.btncolor
    property alias devsInfo: session.devsInfo
    property alias selectDevIndex: session.selectDevIndex
    property alias dev_status: session.dev_status
    property alias status_img: session.status_img
    property alias usb_path: session.usb_path
    property alias dev_model: session.dev_model
    property alias dev_version: session.dev_version
    property alias dev_setting: session.dev_setting
    property alias dev_port: session.dev_port
    property alias dev_portname: session.dev_portname
    property alias hotkey_list: session.hotkey_list
    readonly property alias defaultHotkey: session.defaultHotkey
    property alias silent_remove: session.silent_remove
    property int safely_remove: 0
    property int auto_run: 1
    property int language: 0
    property alias firstrun: session.firstrun
    property alias auto_check: session.auto_check
    property int isDEBUG: 1
    property string new_ver: ""
    property string upgrade_url: ""
    property bool isTestServer: false
    // The download stall time-out; PORTVIEW_DOWNLOAD_TIMEOUT (ms) shortens it
    // for tests and the demo.
    property int timeout: typeof download_timeout === "number" && download_timeout > 0 ? download_timeout : 30000
    property string lastpath: ""
    property int windows_x: centredX()
    property int windows_y: centredY()
    property alias confirm_dialog_info: dialog_Qml.confirmInfo
    property alias alert_dialog_info: dialog_Qml.alertInfo

    readonly property bool maker: Theme.maker
    // The sister brand's own guide; the upgrade offer is the same for both.
    readonly property string guidePage: maker ? "device_guide.qml" : "device_guide_hollin.qml"
    readonly property string upgradePage: "upgrade_info.qml"

    flags: Qt.FramelessWindowHint | Qt.Window
    width: fullDesktop ? Screen.desktopAvailableWidth : shownWidth
    height: fullDesktop ? Screen.desktopAvailableHeight : shownHeight
    color: fullDesktop ? "transparent" : Theme.brand.frame
    title: company + " Portview"
    // Shown at once, unless started with the hide switch: the window then
    // never appears and only the tray icon shows.
    visible: show_mode !== "hide"

    FontLoader {
        id: notosans
        source: "../font/NotoSans-Regular.ttf"
    }

    HidSocket {
        id: hidusb
        onHidFinished: session.deviceListArrived()
    }

    Monitor {
        id: monitor
        onDevstatusChanged: session.deviceStatusChanged()
    }

    DeviceSession {
        id: session
        hidusb: hidusb
        monitor: monitor
        onDeviceLost: {
            setQml.visible = false
            setQml.source = ""
        }
        onUpgradeEnded: upgrade_launcher.ended(changed, version)
    }

    UpgradeLauncher {
        id: upgrade_launcher
        session: session
    }

    // --- geometry -----------------------------------------------------------

    WindowFit {
        id: fit
        fullDesktop: main.fullDesktop
        frameWidth: main.frameWidth
        frameHeight: main.frameHeight
    }
    function centredX() { return fit.centredX() }
    function centredY() { return fit.centredY() }

    // --- pages and dialogs ----------------------------------------------------

    // Pages come with their own documents; one that is not there leaves its
    // loader empty instead of filling the log with errors.
    function loadPage(loader, page) {
        loader.source = ""
        var component = Qt.createComponent(page)
        if (component.status !== Component.Ready) {
            console.info("page not available:", page)
            return false
        }
        loader.source = page
        return true
    }

    function showConfirm(info, loader) { dialog_Qml.showConfirm(info, loader) }
    function showAlert(info, loader) { dialog_Qml.showAlert(info, loader) }
    function showNotice(title, message, loader, detail) { dialog_Qml.showNotice(title, message, loader, detail) }
    function settingNotSaved() { showNotice(qsTr("Error"), qsTr("The change could not be saved: the home folder is full or read-only.")) }

    // --- functions the pages call ---------------------------------------------

    function searchDevice() { session.searchDevice() }
    function connectDevice(index) { return session.connectDevice(index) }
    function applysetting() { session.applysetting() }
    function saveHotkey(hotkey) { session.saveHotkey(hotkey) }
    function applySilent(on) { session.applySilent(on) }
    function getDevSetting() { session.getDevSetting() }

    function gotoNextUI() {
        setQml.para = "device"
        if (firstrun === 1) {
            loadPage(setQml, guidePage)
            setQml.visible = true
            io.setIni(dev_model, "firstrun", "0")
            firstrun = 0
        } else {
            loadPage(setQml, "product_frame.qml")
            setQml.visible = true
        }
    }

    function goHome() {
        setQml.visible = false
        setQml.source = ""
        load_setting.visible = false
    }

    // The preferences page is built the first time it is asked for: the
    // home page does not wait for it.
    function showSettingUI() {
        if (load_setting.source == "")
            loadPage(load_setting, "product_setting.qml")
        load_setting.visible = true
        load_setting.z = 1
    }

    function showWindow(ui) {
        if (ui === "about") {
            showSettingUI()
            setQml.visible = false
        } else if (ui === "quit") {
            showExitWindow()
        }
        main.showNormal()
        // Wayland focuses only what it maps anew (Qt 5.15: no xdg-activation).
        if (!compositorPlaces)
            main.requestActivate()
    }

    function showExitWindow() {
        showConfirm({ title: qsTr("Quit"),
                      msg: qsTr("Are you sure you want to quit @?").replace("@", company + " Portview"),
                      dobtn: qsTr("OK"), cancelbtn: qsTr("Cancel"),
                      dofunc: main.quitAp, cancelfunc: null, closefunc: null, showicon: 0, icon: 0 })
    }

    function quitAp() {
        monitor.disconnectDevice()
        if (silent_remove === 1)
            regedit.emitRestore()
        main.close()
    }

    // The upgrade page has put the switch into upgrade mode.
    function startUpgradeTimer(checkedName, identity) { upgrade_launcher.start(checkedName, identity) }
    function openUpgrade() { upgrade_launcher.openTool() }

    function cardClicked(index) {
        var card = session.cards.get(index)
        if (card.status_img === Codes.NotConnected)
            connectDevice(index)
        // A switch that could not be opened says why on its card instead.
        if (card.open_error === "" && (dev_status || isDEBUG !== 0))
            gotoNextUI()
    }

    onCompanyChanged: Theme.company = company

    // Hidden to the tray, the window keeps only what it shows: the
    // preferences page goes unless it is the page showing (built again when
    // next opened); the rest of the release is HiddenFootprint's.
    onVisibleChanged: {
        if (!visible && !load_setting.visible)
            load_setting.source = ""
    }

    Component.onCompleted: {
        company = com.getCompanyName()
        console.log("Screen size", Screen.width, Screen.height)
        if (!fullDesktop && !compositorPlaces) {
            main.x = windows_x
            main.y = windows_y
        }
        if (show_mode === "hide") {
            main.hide()
            tray_loader.active = true
        }

        var system = io.loadIni("System", "")
        if (session.iniNumeric(system.autorun))
            auto_run = Number(system.autorun)
        else
            io.setIni("System", "autorun", "1")
        process.setAPAutorun(auto_run)
        if (session.iniNumeric(system.language)) {
            language = Number(system.language)
        } else {
            io.setIni("System", "language", "0")
            language = 0
        }

        hidusb.loadDeviceRes()
        searchDevice()
    }

    // --- the application frame ---------------------------------------------------

    Rectangle {
        id: windows
        x: fullDesktop ? windows_x : 0
        y: fullDesktop ? windows_y : 0
        width: frameWidth
        height: frameHeight
        scale: main.fitScale
        transformOrigin: Item.TopLeft
        color: Theme.brand.frame
        border.width: 1
        border.color: Theme.brand.frameBorder

        Loader {
            id: head_part
            x: 1
            y: 1
            width: parent.width - 2
            height: 32
            source: "../HeadControl.qml"
        }

        // The home page and its bar are hidden, not merely covered, while a
        // page lies over them: out of the Tab order and of a screen reader's
        // view.
        LogoBar {
            id: logo_rec
            visible: !setQml.visible && !load_setting.visible
            anchors.top: head_part.bottom
            x: 1
            width: head_part.width
            onSettingsClicked: main.showSettingUI()
        }

        HomePage {
            id: device_rec
            anchors.top: logo_rec.bottom
            anchors.bottom: parent.bottom
            anchors.bottomMargin: 1
            x: 1
            width: parent.width - 2
            visible: logo_rec.visible
            session: session
            onCardClicked: main.cardClicked(index)
        }

        Loader {
            id: load_setting
            x: 1
            anchors.top: head_part.bottom
            width: head_part.width
            height: parent.height - head_part.height - 2
            visible: false
        }

        Loader {
            id: setQml
            objectName: "setQml"
            property string para: ""
            x: 1
            anchors.top: head_part.bottom
            width: head_part.width
            height: parent.height - head_part.height - 2
            visible: false
        }

        DialogHost {
            id: dialog_Qml
            anchors.fill: parent
            z: 3
        }
    }

    TrayControl {
        id: tray_loader
        title: main.company + " Portview"
        model: session.dev_status ? session.dev_model : ""
        onRequested: main.showWindow(ui)
        window: main
        holdBack: session.searching
        onKeptRunning: main.showNotice(title, qsTr("No tray can show the icon on this desktop: @ keeps running minimised, so that the hotkey keeps working.").replace("@", title))
    }

}
