import QtQuick 2.15
import com.vemo.portview 1.0
import "Firmware.js" as Firmware

// The device frame: a title strip with the model name and the home button, a
// menu of three entries on the left and the chosen page beside it. It also
// asks the firmware information service whether a newer firmware exists.
Rectangle {
    id: product_frame
    objectName: "product_frame"
    color: main.bgcolor

    property int currentIndex: 0
    // How long a firmware query may take before it counts as failed.
    property int queryTimeout: 30000
    property var query: null

    ListModel { id: menu_model }

    function switch_product_menu(menuqml) {
        main.loadPage(load_menu, menuqml)
    }

    function selectMenu(index) {
        if (index === currentIndex)
            return
        currentIndex = index
        switch_product_menu(menu_model.get(index).page)
    }

    function focusMenu(index) {
        if (index >= 0 && index < menu_entries.count)
            menu_entries.itemAt(index).forceActiveFocus(Qt.TabFocusReason)
    }

    function compareVersion(ver1, ver2) {
        return Firmware.compareVersion(ver1, ver2)
    }

    // The content page learns of a query only through its `ischecking`.
    // The query's state on the content page; for a failure also why
    // (`checkFault`: "network" when no answer came, "server" when the
    // service answered with an error, "answer" when its answer could not be
    // read), for the pages that tell them apart.
    function setChecking(value, fault) {
        if (!load_menu.item || load_menu.item.ischecking === undefined)
            return
        if (load_menu.item.checkFault !== undefined)
            load_menu.item.checkFault = fault === undefined ? "" : fault
        load_menu.item.ischecking = value
    }

    function checkfirmware() {
        var base = Firmware.serviceBase(main.isTestServer, main.company, firmware_url)
        var url = Firmware.queryUrl(base, firmware_url !== "")
        if (url === "") {
            console.log("firmware query refused: not an https address:", base)
            setChecking(Codes.CheckFailed, "network")
            return
        }
        if (query !== null)
            query.abort()
        var request = new XMLHttpRequest()
        query = request
        request.onreadystatechange = function () {
            if (query !== request)
                return
            // An oversized answer is cut off as soon as it shows.
            if (request.readyState !== XMLHttpRequest.DONE) {
                if (request.readyState >= XMLHttpRequest.HEADERS_RECEIVED && Firmware.answerTooLarge(request)) {
                    query = null
                    query_timer.stop()
                    // Not from inside the request's own report: it reads on
                    // after this handler returns.
                    Qt.callLater(function () { request.abort() })
                    refuseLarge()
                }
                return
            }
            query = null
            query_timer.stop()
            firmwareAnswered(request.status, request.responseText)
        }
        request.open("POST", url, true)
        request.setRequestHeader("Content-type", "application/x-www-form-urlencoded")
        // Encoded, so a model name with "&" or "=" stays one form field.
        request.send("model=" + encodeURIComponent(main.dev_model))
        query_timer.restart()
    }

    function refuseLarge() {
        console.log("error: the firmware answer is larger than 64 kB: refused")
        setChecking(Codes.CheckFailed, "answer")
    }

    function firmwareAnswered(status, body) {
        if (String(body).length > Firmware.answerLimit) {
            refuseLarge()
            return
        }
        // Status 0: no answer at all (no network, no such host, refused).
        if (status !== 200) {
            console.log("error: " + status)
            setChecking(Codes.CheckFailed, status === 0 ? "network" : "server")
            return
        }
        console.log("ok", Firmware.firstLine(body))
        var offer = Firmware.parseOffer(body)
        if (offer === null) {
            console.log("error: the firmware answer holds no offer")
            setChecking(Codes.CheckFailed, "answer")
            return
        }
        main.new_ver = offer.version
        main.upgrade_url = offer.url
        if (compareVersion(Firmware.plainVersion(offer.version), Firmware.plainVersion(main.dev_version)) === 1) {
            main.loadPage(upgrade_loader, main.upgradePage)
            upgrade_loader.visible = true
        } else if (load_menu.item && load_menu.item.ischecking !== undefined) {
            main.showNotice(qsTr("Version is up to date!"), qsTr("Current firmware is the latest version."), dialog_loader)
        }
        setChecking(Codes.CheckIdle)
    }

    Timer {
        id: query_timer
        interval: product_frame.queryTimeout
        onTriggered: {
            if (product_frame.query === null)
                return
            var stalled = product_frame.query
            product_frame.query = null
            stalled.abort()
            console.log("error: the firmware query timed out")
            product_frame.setChecking(Codes.CheckFailed, "network")
        }
    }

    Component.onCompleted: {
        menu_model.append({ image: "ic_tune", menuname: qsTr("Device"), page: "product_device.qml" })
        menu_model.append({ image: "ic_cached", menuname: qsTr("Maintenance"), page: "product_maintenance.qml" })
        menu_model.append({ image: "ic_help_outline", menuname: qsTr("Support"), page: "product_support.qml" })
        currentIndex = setQml.para === "support" ? 2 : 0
        switch_product_menu(menu_model.get(currentIndex).page)
    }

    Rectangle {
        id: title_strip
        width: parent.width
        height: 40
        color: Theme.brand.frameStrip

        IconButton {
            name: qsTr("Home")
            source: "../Images/btn_home_n.png"
            width: 24
            height: 24
            anchors.left: parent.left
            anchors.leftMargin: 20
            anchors.verticalCenter: parent.verticalCenter
            onClicked: main.goHome()
        }

        StaticText {
            anchors.centerIn: parent
            text: main.dev_model
            font.pixelSize: 16
            font.bold: true
            color: "white"
        }
    }

    Rectangle {
        id: menu_column
        anchors.top: title_strip.bottom
        anchors.bottom: parent.bottom
        width: 210
        color: Theme.brand.menu

        Column {
            width: parent.width
            Repeater {
                id: menu_entries
                model: menu_model
                delegate: menuEntry
            }
        }
    }

    Component {
        id: menuEntry
        Rectangle {
            readonly property bool current: index === product_frame.currentIndex
            width: 210
            height: 44
            color: current ? Theme.brand.menuCurrent : Theme.brand.menuOther
            Accessible.role: Accessible.Button
            Accessible.name: model.menuname
            Accessible.onPressAction: product_frame.selectMenu(index)
            Accessible.focusable: true
            // Tab reaches the menu, Up and Down move in it, Space and Enter
            // open the entry.
            activeFocusOnTab: true
            Keys.onSpacePressed: product_frame.selectMenu(index)
            Keys.onReturnPressed: product_frame.selectMenu(index)
            Keys.onEnterPressed: product_frame.selectMenu(index)
            Keys.onUpPressed: product_frame.focusMenu(index - 1)
            Keys.onDownPressed: product_frame.focusMenu(index + 1)
            FocusRing { gap: -2; radius: 0 }

            Rectangle {
                width: 6
                height: parent.height
                color: current ? Theme.brand.menuMarkCurrent : Theme.brand.menuMarkOther
            }
            Image {
                id: menu_icon
                anchors.left: parent.left
                anchors.leftMargin: 30
                anchors.verticalCenter: parent.verticalCenter
                width: 20
                height: 20
                source: "../Images/" + model.image + (current ? "_h.png" : ".png")
                Accessible.ignored: true
            }
            Text {
                anchors.left: menu_icon.right
                anchors.leftMargin: 12
                anchors.verticalCenter: parent.verticalCenter
                text: model.menuname
                font.family: notosans.name
                font.pixelSize: 14
                font.bold: true
                color: current ? Theme.brand.menuTextCurrent : Theme.menuTextOther
                Accessible.ignored: true
            }
            MouseArea {
                anchors.fill: parent
                cursorShape: Qt.PointingHandCursor
                onClicked: product_frame.selectMenu(index)
            }
        }
    }

    Loader {
        id: load_menu
        objectName: "load_menu"
        property var result
        anchors.top: title_strip.bottom
        anchors.left: menu_column.right
        anchors.right: parent.right
        anchors.bottom: parent.bottom
    }

    // What the content page asks of the frame.
    Connections {
        target: load_menu.item
        ignoreUnknownSignals: true
        function onFirmwareCheckWanted() { product_frame.checkfirmware() }
        function onPageWanted(page) { product_frame.switch_product_menu(page) }
    }

    Loader {
        id: upgrade_loader
        objectName: "upgrade_loader"
        anchors.fill: parent
        z: 4
        visible: false
    }

    Loader {
        id: dialog_loader
        objectName: "dialog_loader"
        property var para
        anchors.fill: parent
        z: 3
        visible: false
    }
}
