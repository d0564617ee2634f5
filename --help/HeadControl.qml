import QtQuick 2.15
import QtQuick.Window 2.15
import "Qml"
import com.vemo.portview 1.0

// Title bar: application icon and name, minimise and close (to the tray).
// Pressing and moving on it moves the window; ten clicks on the icon switch
// the firmware queries to the test endpoint.
Rectangle {
    id: head
    color: Theme.brand.titleBar

    property point pressPos
    property bool moving: false
    property int iconClicks: 0

    function press(mouse) {
        pressPos = Qt.point(mouse.x, mouse.y)
        moving = false
    }
    function move(mouse) {
        var dx = mouse.x - pressPos.x
        var dy = mouse.y - pressPos.y
        // The window manager moves the window when it can; only without one
        // (or on the full-desktop window) does the frame follow the mouse here.
        if (!moving && !main.fullDesktop && main.startSystemMove()) {
            moving = true
            return
        }
        moving = true
        // A compositor that refused its move ignores coordinates as well.
        if (main.compositorPlaces)
            return
        moveFrame(dx, dy)
    }

    // The frame follows a drag: inside the full-desktop window it moves in
    // the window, otherwise the window moves.
    function moveFrame(dx, dy) {
        if (main.fullDesktop) {
            main.windows_x += dx
            main.windows_y += dy
        } else {
            main.x += dx
            main.y += dy
            main.windows_x = main.x
            main.windows_y = main.y
        }
    }

    // Whether the whole window lies in the screens' available area (panels
    // left out), so its title strip and every control can be reached.
    function insideDesktop() {
        var d = typeof screenArea !== "undefined" && screenArea.desktop.width > 0 ? screenArea.desktop : main.area
        return main.x >= d.x && main.y >= d.y && main.x + main.width <= d.x + d.width
               && main.y + main.height <= d.y + d.height
    }

    // The window as large as all screens together, and the frame back in the
    // middle of screen 0 when it would stick out (reso_timer, every second).
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
        if (main.fullDesktop) {
            if (sumWidth !== main.width || sumHeight !== main.height) {
                main.width = sumWidth
                main.height = sumHeight
                if (main.windows_x + main.shownWidth > sumWidth || main.windows_y + main.shownHeight > sumHeight) {
                    main.windows_x = main.centredX()
                    main.windows_y = main.centredY()
                }
            }
        } else if (!main.compositorPlaces && !insideDesktop()) {
            main.windows_x = main.centredX()
            main.windows_y = main.centredY()
            main.x = main.windows_x
            main.y = main.windows_y
        }
    }

    MouseArea {
        anchors.fill: parent
        onPressed: head.press(mouse)
        onPositionChanged: head.move(mouse)
        onWheel: wheel.accepted = true
    }

    Image {
        id: app_icon
        source: "kvm.png"
        width: 24
        height: 24
        anchors.left: parent.left
        anchors.leftMargin: 5
        anchors.verticalCenter: parent.verticalCenter
        Accessible.role: Accessible.Graphic
        Accessible.name: title_text.text

        MouseArea {
            anchors.fill: parent
            onPressed: head.press(mouse)
            onPositionChanged: head.move(mouse)
            onWheel: wheel.accepted = true
            onClicked: {
                if (head.moving)
                    return
                head.iconClicks += 1
                if (head.iconClicks === 10) {
                    main.isTestServer = true
                    console.log("use test api")
                }
            }
        }
    }

    StaticText {
        id: title_text
        anchors.left: app_icon.right
        anchors.leftMargin: 6
        anchors.verticalCenter: parent.verticalCenter
        text: main.company + " Portview"
        font.pixelSize: 12
        font.bold: true
        color: main.contentcolor === "" ? "black" : main.contentcolor
    }

    IconButton {
        id: minimize_btn
        name: qsTr("Minimize")
        source: "Images/minimize.png"
        width: 24
        height: 24
        anchors.right: close_btn.left
        anchors.rightMargin: 6
        anchors.verticalCenter: parent.verticalCenter
        onClicked: main.showMinimized()
    }

    IconButton {
        id: close_btn
        name: qsTr("Close")
        source: "Images/Close.png"
        width: 24
        height: 24
        anchors.right: parent.right
        anchors.rightMargin: 6
        anchors.verticalCenter: parent.verticalCenter
        onClicked: main.hide()
    }

    // Keeps the window fitted to the screens: the summed size of all screens,
    // and the frame back on screen 0 when it would stick out.
    Timer {
        id: reso_timer
        interval: 1000
        repeat: true
        running: true
        triggeredOnStart: true
        onTriggered: head.fitToScreens()
    }
}
