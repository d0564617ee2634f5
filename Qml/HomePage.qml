import QtQuick 2.15
import com.vemo.portview 1.0

// The home page: one card per attached switch, the busy animation while a
// search runs and the "no device" text when none was found. A click on a
// card is the window's to handle. Its texts keep the window's translation
// context.
Rectangle {
    id: home
    property var session
    signal cardClicked(int index)

    // A card whose switch cannot be opened tries it again instead of
    // opening the device page, which could do nothing with it.
    function pressCard(index) {
        if (session.cards.get(index).open_error !== "")
            session.retryOpen(index)
        else
            cardClicked(index)
    }

    color: Theme.bgcolor === "" ? "white" : Theme.bgcolor

    function focusCard(index) {
        var cell = dev_grid.itemAtIndex(index)
        if (cell)
            cell.children[0].forceActiveFocus(Qt.TabFocusReason)
    }
    readonly property color textColour: Theme.contentcolor === "" ? "black" : Theme.contentcolor

    StaticText {
        id: heading
        visible: home.session.listed
        anchors.top: parent.top
        anchors.topMargin: 40
        anchors.horizontalCenter: parent.horizontalCenter
        text: qsTranslate("main", "Select Devices")
        font.pixelSize: 17
        font.bold: true
        color: home.textColour
    }

    Column {
        id: busy
        visible: home.session.searching
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
            text: qsTranslate("main", "Searching for devices")
            font.pixelSize: 12
            color: home.textColour
        }
    }

    StaticText {
        id: no_device
        visible: home.session.noDevice
        anchors.centerIn: parent
        horizontalAlignment: Text.AlignHCenter
        text: home.session.upgrading ? qsTranslate("main", "Firmware upgrade in progress: keep the switch connected")
                                     : qsTranslate("main", "No device detected") + "\r\n"
                                       + qsTranslate("main", "Please check the connection to the device.")
        font.pixelSize: 15
        font.bold: true
        color: home.textColour
    }
    // A switch that arrives is found by itself; this is for one whose
    // arrival the system did not report (a hub, a node given access later).
    // Not while an upgrade runs: the switch in upgrade mode is no switch to find.
    TextButton {
        visible: no_device.visible && !home.session.upgrading
        anchors.top: no_device.bottom
        anchors.topMargin: 24
        anchors.horizontalCenter: parent.horizontalCenter
        width: Math.max(150, implicitContentWidth + 40)
        text: qsTranslate("main", "Search again")
        onClicked: home.session.searchDevice()
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
            model: home.session.cards
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

    Component {
        id: deviceCard
        Item {
            width: 292
            height: 350
            Rectangle {
                id: card
                readonly property bool refused: model.open_error !== ""
                anchors.fill: parent
                anchors.margins: 3
                radius: 10
                border.width: 3
                border.color: card_mouse.containsMouse ? Theme.brand.cardHover : Theme.brand.card
                color: Theme.brand.card
                Accessible.role: Accessible.Button
                Accessible.name: model.modelname
                Accessible.description: refused ? problem.reason : model.status_img === Codes.Connected ? "Connected" : ""
                Accessible.onPressAction: home.pressCard(index)
                Accessible.focusable: true
                // Tab reaches each card, the arrow keys move along the row,
                // Space and Enter open it; the row scrolls to the focused card.
                activeFocusOnTab: true
                Keys.onSpacePressed: home.pressCard(index)
                Keys.onReturnPressed: home.pressCard(index)
                Keys.onEnterPressed: home.pressCard(index)
                Keys.onLeftPressed: home.focusCard(index - 1)
                Keys.onRightPressed: home.focusCard(index + 1)
                onActiveFocusChanged: {
                    if (!activeFocus)
                        return
                    var left = dev_grid.x + parent.x
                    if (left < dev_flick.contentX)
                        dev_flick.contentX = left
                    else if (left + parent.width > dev_flick.contentX + dev_flick.width)
                        dev_flick.contentX = left + parent.width - dev_flick.width
                }
                FocusRing { radius: 12 }
                // Under the card's own controls (the command, "Try again").
                MouseArea {
                    id: card_mouse
                    anchors.fill: parent
                    hoverEnabled: true
                    cursorShape: Qt.PointingHandCursor
                    onClicked: home.pressCard(index)
                }

                Image {
                    id: product
                    anchors.top: parent.top
                    anchors.topMargin: 16
                    anchors.horizontalCenter: parent.horizontalCenter
                    width: card.refused ? 96 : 280
                    height: card.refused ? 72 : 210
                    opacity: card.refused ? 0.45 : 1
                    source: "../Images/QV5830.png"
                    Accessible.ignored: true
                }
                Image {
                    anchors.top: parent.top
                    anchors.left: parent.left
                    anchors.margins: 6
                    width: 60
                    height: 60
                    visible: model.status_img === Codes.Connected
                    source: visible ? "../Images/online.png" : ""
                    Accessible.role: Accessible.Graphic
                    Accessible.name: qsTranslate("main", "Connected")
                }
                StaticText {
                    id: card_name
                    anchors.top: product.bottom
                    anchors.topMargin: 8
                    anchors.horizontalCenter: parent.horizontalCenter
                    text: model.modelname
                    font.pixelSize: 17
                    font.bold: true
                    color: Theme.brand.cardText
                }
                CardOpenProblem {
                    id: problem
                    visible: card.refused
                    anchors.top: card_name.bottom
                    anchors.topMargin: 6
                    anchors.left: parent.left
                    anchors.right: parent.right
                    anchors.margins: 12
                    code: model.open_error
                    command: model.open_command
                    failedTries: model.failed_tries
                    onRetry: home.session.retryOpen(index)
                }
                StaticText {
                    visible: !card.refused
                    anchors.top: card_name.bottom
                    anchors.topMargin: 4
                    anchors.left: parent.left
                    anchors.right: parent.right
                    anchors.margins: 12
                    horizontalAlignment: Text.AlignHCenter
                    text: qsTranslate("main", model.desc)
                    textFormat: Text.RichText
                    wrapMode: Text.WordWrap
                    font.pixelSize: 12
                    font.bold: true
                    color: Theme.brand.cardText
                }
            }
        }
    }
}
