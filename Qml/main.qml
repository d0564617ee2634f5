import QtQuick 2.15
import QtQuick.Window 2.15
import com.vemo.HID 1.0
import Qt.Quick.Monitor 1.0
import vemo.trayicon 1.0
import "Links.js" as Links
import "Maintenance.js" as Maintenance

// The main window: the application frame with its title bar, the home page
// with one card per attached switch, the loaders every other page and dialog
// is placed in, the tray icon, and the state the pages share as `main.*`.
Window {
    id: main

    // Windows draws the frame inside a transparent window as large as the
    // desktop. Without a compositing manager (a plain X11 session) such a
    // window is black and swallows the desktop, so elsewhere the window is
    // the frame itself and the window manager moves it.
    readonly property bool fullDesktop: Qt.platform.os === "windows"
    readonly property int frameWidth: 962
    readonly property int frameHeight: 640

    property string company: ""
    property string bgcolor: ""
    property string titlecolor: ""
    property string contentcolor: ""
    property string btncolor: ""
    property int internetAccess: 0
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
    property string hotkey_list: "Shift + Alt + S"
    property int silent_remove: 0
    property int safely_remove: 0
    property int auto_run: 1
    property int language: 0
    property int firstrun: 1
    property int auto_check: 0
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
    property var confirm_dialog_info: ({ title: "", msg: "", dobtn: qsTr("OK"), cancelbtn: qsTr("Cancel"),
                                         dofunc: null, cancelfunc: null, closefunc: null, showicon: 0, icon: 0 })
    property var alert_dialog_info: ({ title: "", msg: "", showicon: 0, icon: 1, okfunc: null, closefunc: null })

    // The theme of each company word; pages branch on company === "Vemo".
    readonly property var themes: ({
        "Vemo": { bgcolor: "#fbfbfb", titlecolor: "#848484", contentcolor: "#292929", btncolor: "#008cff",
                  frame: "#08375e", frameBorder: "#bcb5b9", card: "#ebebeb", cardHover: "#008cff",
                  cardText: "black" },
        "Hollin": { bgcolor: "black", titlecolor: "#747474", contentcolor: "#d4d4d4", btncolor: "#85c12f",
                    frame: "black", frameBorder: "black", card: "#292929", cardHover: "#85c12f",
                    cardText: "#d4d4d4" }
    })
    readonly property var theme: themes[company] !== undefined ? themes[company] : themes["Hollin"]
    readonly property bool maker: company === "Vemo"
    // The sister brand's own guide; the upgrade offer is the same for both.
    readonly property string guidePage: maker ? "device_guide.qml" : "device_guide_hollin.qml"
    readonly property string upgradePage: "upgrade_info.qml"

    flags: Qt.FramelessWindowHint | Qt.Window
    width: fullDesktop ? Screen.desktopAvailableWidth : frameWidth
    height: fullDesktop ? Screen.desktopAvailableHeight : frameHeight
    color: fullDesktop ? "transparent" : theme.frame
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
        onHidFinished: main.deviceListArrived()
    }

    Monitor {
        id: monitor
        onDevstatusChanged: main.deviceStatusChanged()
    }

    Connections {
        target: detect_event
        function onDevChanged() {
            retry_timer.stop()
            main.searchDevice()
        }
    }

    Timer {
        id: retry_timer
        interval: 100
        repeat: true
        onTriggered: main.getDevSetting()
    }

    Timer {
        id: open_timer
        interval: 3000
        repeat: false
        onTriggered: main.openUpgrade()
    }

    // --- geometry -----------------------------------------------------------

    function screen0() {
        var screens = Qt.application.screens
        return screens.length > 0 ? screens[0] : null
    }
    function centredX() {
        var s = screen0()
        return s ? Math.round((s.width - frameWidth) / 2) + (fullDesktop ? 0 : s.virtualX) : 0
    }
    function centredY() {
        var s = screen0()
        return s ? Math.round((s.height - frameHeight) / 2) + (fullDesktop ? 0 : s.virtualY) : 0
    }

    // The frame follows a drag: inside the full-desktop window it moves in
    // the window, otherwise the window moves.
    function moveFrame(dx, dy) {
        if (fullDesktop) {
            windows_x += dx
            windows_y += dy
        } else {
            main.x += dx
            main.y += dy
            windows_x = main.x
            windows_y = main.y
        }
    }

    function fitToScreens() {
        var screens = Qt.application.screens
        var sumWidth = 0
        var sumHeight = 0
        for (var i = 0; i < screens.length; ++i) {
            sumWidth += screens[i].width
            sumHeight += screens[i].height
        }
        if (sumWidth === 0 || sumHeight === 0)
            return
        if (fullDesktop) {
            if (sumWidth !== main.width || sumHeight !== main.height) {
                main.width = sumWidth
                main.height = sumHeight
                if (windows_x + frameWidth > sumWidth || windows_y + frameHeight > sumHeight) {
                    windows_x = centredX()
                    windows_y = centredY()
                }
            }
        } else if (main.x + frameWidth > sumWidth || main.y + frameHeight > sumHeight || main.x < -frameWidth / 2
                   || main.y < 0) {
            windows_x = centredX()
            windows_y = centredY()
            main.x = windows_x
            main.y = windows_y
        }
    }

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

    // The dialogs go into the window's `dialog_Qml` unless a page names a
    // loader of its own (the device frame's `dialog_loader`).
    function showConfirm(info, loader) {
        confirm_dialog_info = info
        openDialog(loader || dialog_Qml, "confirm_dialog_control.qml", info)
    }

    function showAlert(info, loader) {
        alert_dialog_info = info
        openDialog(loader || dialog_Qml, "alert_dialog_control.qml", info)
    }

    // The plain notice most pages give: a title, a message and "OK".
    function showNotice(title, message, loader) {
        showAlert({ title: title, msg: message, dobtn: qsTr("OK"), dofunc: null, closefunc: null }, loader)
    }

    function openDialog(loader, document, info) {
        loader.para = Object.assign({}, info)
        loader.source = "qrc:/Qml/" + document
        loader.visible = true
    }

    // --- functions the pages call ---------------------------------------------

    function searchDevice() {
        busy.visible = true
        no_device.visible = false
        heading.visible = false
        hid_dev_model.clear()
        selectDevIndex = -1
        hidusb.enumerate(internetAccess)
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

    function isNumeric(value) {
        return value !== undefined && value !== null && value !== "" && !isNaN(value)
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
            hid_dev_model.setProperty(index, "status_img", 0)
            status_img = "../Images/offline.png"
            return false
        }
        if (selectDevIndex !== -1 && selectDevIndex < hid_dev_model.count)
            hid_dev_model.setProperty(selectDevIndex, "status_img", 0)
        selectDevIndex = index
        usb_path = device.path
        hid_dev_model.setProperty(index, "status_img", 1)
        status_img = "../Images/online.png"

        var cfg = io.loadIni(dev_model, "")
        if (isNumeric(cfg.firstrun))
            firstrun = Number(cfg.firstrun)
        else
            io.setIni(dev_model, "firstrun", "0")
        if (firstrun === 0) {
            if (cfg.hotkey !== undefined && cfg.hotkey !== "")
                hotkey_list = cfg.hotkey
        } else if (cfg.hotkey !== "Shift + Alt + S") {
            io.setIni(dev_model, "hotkey", "Shift + Alt + S")
        }
        if (isNumeric(cfg.silent))
            silent_remove = Number(cfg.silent)
        else
            io.setIni(dev_model, "silent", "0")
        if (isNumeric(cfg.autocheck))
            auto_check = Number(cfg.autocheck)
        else
            io.setIni(dev_model, "autocheck", "0")

        applysetting()
        retry_timer.start()
        return true
    }

    function applysetting() {
        monitor.setHotkey(hotkey_list)
        io.setIni(dev_model, "hotkey", hotkey_list)
        if (silent_remove === 1) {
            regedit.setMuteReg(".", "")
            io.setIni(dev_model, "silent", "1")
            monitor.setFunction("silent", 1)
        } else {
            regedit.emitRestore()
            io.setIni(dev_model, "silent", "0")
            monitor.setFunction("silent", 0)
        }
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
    }

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

    // The tool lies in the temporary folder under the plain name the upgrade
    // page saved it as.
    function openUpgrade() {
        var name = Maintenance.plainFileName(upgrade_url)
        if (name === "" || !process.openProcess("/" + name)) {
            showNotice(qsTr("Error"), qsTr("Firmware upgrade file open failed."))
        }
    }

    // --- device list and status ------------------------------------------------

    function deviceListArrived() {
        devsInfo = hidusb.devlist
        if (devsInfo === undefined || devsInfo === null) {
            no_device.visible = true
            return
        }
        if (devsInfo.length === 0) {
            busy.visible = false
            no_device.visible = true
            return
        }
        // Fields copied unchanged from the discovery record; one the catalogue
        // leaves out becomes an empty text, so every card has the same roles.
        var copied = ["modelname", "network", "desc", "fullview", "diagram", "ddc", "front", "rear",
                      "upgrade_name", "upgrade_date", "upgrade_new", "upgrade_fix", "official_ver"]
        for (var i = 0; i < devsInfo.length; ++i) {
            var d = devsInfo[i]
            var card = { selected: 1, vid_pid: d.vid + "/" + d.pid, dev_path: d.path, status_img: 0 }
            for (var k = 0; k < copied.length; ++k)
                card[copied[k]] = d[copied[k]] === undefined ? "" : d[copied[k]]
            hid_dev_model.append(card)
        }
        for (var j = 0; j < hid_dev_model.count; ++j) {
            if (usb_path !== "") {
                if (hid_dev_model.get(j).dev_path === usb_path) {
                    selectDevIndex = j
                    connectDevice(j)
                    break
                }
            } else if (connectDevice(j)) {
                break
            }
        }
        busy.visible = false
        heading.visible = true
    }

    function deviceStatusChanged() {
        console.log("monitor.devstatus", monitor.devstatus)
        var selected = selectDevIndex >= 0 && selectDevIndex < hid_dev_model.count
        if (monitor.devstatus === 0) {
            dev_status = false
            setQml.visible = false
            setQml.source = ""
            if (selected) {
                hid_dev_model.setProperty(selectDevIndex, "status_img", 0)
                hid_dev_model.remove(selectDevIndex)
                selectDevIndex = -1
            }
            status_img = "../Images/offline.png"
        } else {
            dev_status = true
            if (selected)
                hid_dev_model.setProperty(selectDevIndex, "status_img", 1)
            status_img = "../Images/online.png"
        }
        if (hid_dev_model.count === 0) {
            no_device.visible = true
            heading.visible = false
        }
    }

    Component.onCompleted: {
        company = com.getCompanyName()
        var colours = themes[company]
        if (colours !== undefined) {
            bgcolor = colours.bgcolor
            titlecolor = colours.titlecolor
            contentcolor = colours.contentcolor
            btncolor = colours.btncolor
        }
        console.log("Screen size", Screen.width, Screen.height)
        if (!fullDesktop) {
            main.x = windows_x
            main.y = windows_y
        }
        if (show_mode === "hide") {
            main.hide()
            tray_loader.active = true
        }

        var system = io.loadIni("System", "")
        if (isNumeric(system.autorun))
            auto_run = Number(system.autorun)
        else
            io.setIni("System", "autorun", "1")
        process.setAPAutorun(auto_run)
        if (isNumeric(system.language)) {
            language = Number(system.language)
        } else {
            io.setIni("System", "language", "0")
            language = 0
        }

        internetAccess = 0
        hidusb.loadDeviceRes()
        searchDevice()
    }

    ListModel { id: hid_dev_model }

    // --- the application frame ---------------------------------------------------

    Rectangle {
        id: windows
        x: fullDesktop ? windows_x : 0
        y: fullDesktop ? windows_y : 0
        width: frameWidth
        height: frameHeight
        color: theme.frame
        border.width: 1
        border.color: theme.frameBorder

        Loader {
            id: head_part
            x: 1
            y: 1
            width: parent.width - 2
            height: 32
            source: "../HeadControl.qml"
        }

        Rectangle {
            id: logo_rec
            anchors.top: head_part.bottom
            x: 1
            width: head_part.width
            height: maker ? 40 : 43
            color: maker ? "transparent" : "#272727"

            Image {
                anchors.fill: parent
                visible: maker
                source: maker ? "../Images/bg.png" : ""
            }

            IconButton {
                id: brand_logo
                visible: !maker
                name: company
                source: maker ? "" : "../Images/logo.png"
                width: visible ? 96 : 0
                height: 24
                anchors.left: parent.left
                anchors.leftMargin: 25
                anchors.verticalCenter: parent.verticalCenter
                onClicked: Qt.openUrlExternally(Links.site(company))

                Rectangle {
                    anchors.top: parent.bottom
                    anchors.topMargin: 3
                    width: parent.width
                    height: 3
                    color: "#537d22"
                }
            }

            StaticText {
                anchors.left: brand_logo.visible ? brand_logo.right : parent.left
                anchors.leftMargin: brand_logo.visible ? 14 : 25
                anchors.verticalCenter: parent.verticalCenter
                text: maker ? "Vemo Portview" : "Portview"
                font.pixelSize: maker ? 18 : 13
                font.bold: true
                color: "white"
            }

            IconButton {
                name: qsTr("Preferences")
                source: "../Images/ic_settings.png"
                width: 20
                height: 20
                anchors.right: parent.right
                anchors.rightMargin: 25
                anchors.verticalCenter: parent.verticalCenter
                onClicked: main.showSettingUI()
            }
        }

        Rectangle {
            id: device_rec
            anchors.top: logo_rec.bottom
            anchors.bottom: parent.bottom
            anchors.bottomMargin: 1
            x: 1
            width: parent.width - 2
            color: bgcolor === "" ? "white" : bgcolor

            StaticText {
                id: heading
                visible: false
                anchors.top: parent.top
                anchors.topMargin: 40
                anchors.horizontalCenter: parent.horizontalCenter
                text: qsTr("Select Devices")
                font.pixelSize: 17
                font.bold: true
                color: contentcolor === "" ? "black" : contentcolor
            }

            Column {
                id: busy
                anchors.centerIn: parent
                spacing: 10
                AnimatedImage {
                    anchors.horizontalCenter: parent.horizontalCenter
                    width: 64
                    height: 64
                    source: "../Images/ic_loading_big.gif"
                    playing: busy.visible
                    Accessible.role: Accessible.Animation
                    Accessible.name: searching.text
                }
                StaticText {
                    id: searching
                    anchors.horizontalCenter: parent.horizontalCenter
                    text: qsTr("Searching for devices")
                    font.pixelSize: 12
                    color: contentcolor === "" ? "black" : contentcolor
                }
            }

            StaticText {
                id: no_device
                visible: false
                anchors.centerIn: parent
                horizontalAlignment: Text.AlignHCenter
                text: qsTr("No device detected") + "\r\n" + qsTr("Please check the connection to the device.")
                font.pixelSize: 15
                font.bold: true
                color: contentcolor === "" ? "black" : contentcolor
            }

            Flickable {
                id: dev_flick
                anchors.top: heading.bottom
                anchors.topMargin: 30
                anchors.left: parent.left
                anchors.right: parent.right
                height: 350 + 14
                contentWidth: Math.max(width, dev_grid.width)
                contentHeight: height
                flickableDirection: Flickable.HorizontalFlick
                boundsBehavior: Flickable.StopAtBounds
                clip: true

                GridView {
                    id: dev_grid
                    interactive: false
                    x: Math.max(0, (dev_flick.width - width) / 2)
                    width: Math.max(1, count) * cellWidth
                    height: 350
                    cellWidth: 292
                    cellHeight: 350
                    flow: GridView.TopToBottom
                    model: hid_dev_model
                    delegate: deviceCard
                }
            }

            // The page has its width only once laid out; until then nothing
            // overflows.
            Loader {
                active: dev_flick.width > 0 && dev_grid.width > dev_flick.width
                source: "CardScrollBar.qml"
                onLoaded: item.view = dev_flick
            }
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

        Loader {
            id: dialog_Qml
            property var para
            anchors.fill: parent
            z: 3
            visible: false
        }

        Loader {
            id: footer
            anchors.bottom: parent.bottom
            width: parent.width
            height: 0
            visible: false
            source: "../FootControl.qml"
        }
    }

    Component {
        id: deviceCard
        Item {
            width: 292
            height: 350
            Rectangle {
                id: card
                anchors.fill: parent
                anchors.margins: 3
                radius: 10
                border.width: 3
                border.color: card_mouse.containsMouse ? theme.cardHover : theme.card
                color: theme.card
                Accessible.role: Accessible.Button
                Accessible.name: model.modelname
                Accessible.description: model.status_img === 1 ? "Connected" : ""
                Accessible.onPressAction: main.cardClicked(index)

                Image {
                    id: product
                    anchors.top: parent.top
                    anchors.topMargin: 16
                    anchors.horizontalCenter: parent.horizontalCenter
                    width: 280
                    height: 210
                    source: "../Images/QV5830.png"
                    Accessible.ignored: true
                }
                Image {
                    anchors.top: parent.top
                    anchors.left: parent.left
                    anchors.margins: 6
                    width: 60
                    height: 60
                    visible: hid_dev_model.count > 1 && model.status_img === 1
                    source: visible ? "../Images/online.png" : ""
                    Accessible.role: Accessible.Graphic
                    Accessible.name: qsTr("Connected")
                }
                StaticText {
                    id: card_name
                    anchors.top: product.bottom
                    anchors.topMargin: 8
                    anchors.horizontalCenter: parent.horizontalCenter
                    text: model.modelname
                    font.pixelSize: 17
                    font.bold: true
                    color: theme.cardText
                }
                StaticText {
                    anchors.top: card_name.bottom
                    anchors.topMargin: 4
                    anchors.left: parent.left
                    anchors.right: parent.right
                    anchors.margins: 12
                    horizontalAlignment: Text.AlignHCenter
                    text: qsTr(model.desc)
                    textFormat: Text.RichText
                    wrapMode: Text.WordWrap
                    font.pixelSize: 12
                    font.bold: true
                    color: theme.cardText
                }
                MouseArea {
                    id: card_mouse
                    anchors.fill: parent
                    hoverEnabled: true
                    cursorShape: Qt.PointingHandCursor
                    onClicked: main.cardClicked(index)
                }
            }
        }
    }

    function cardClicked(index) {
        if (hid_dev_model.get(index).status_img === 0)
            connectDevice(index)
        if (dev_status || isDEBUG !== 0)
            gotoNextUI()
    }

    // The tray icon (its icon, menu and registration with the desktop) is
    // nothing a person needs to see the switches: it comes right after the
    // first frame, or at once when the window starts hidden and draws none.
    Loader {
        id: tray_loader
        active: false
        sourceComponent: Component {
            SystemTray {
                id: tray
                visible: true
                icon: "../kvm.ico"
                toolTip: main.company + " Portview"
                onTrigger: main.showWindow("")
                menu: MyMenu {
                    MyAction {
                        text: main.company + " Portview"
                        onTriggered: main.showWindow("")
                    }
                    MySeparator {}
                    MyAction {
                        text: qsTr("Preferences")
                        onTriggered: main.showWindow("about")
                    }
                    MyAction {
                        text: qsTr("Quit")
                        onTriggered: main.showWindow("quit")
                    }
                }
            }
        }
    }

    Connections {
        target: main
        enabled: !tray_loader.active
        function onFrameSwapped() {
            tray_loader.active = true
        }
    }
}
