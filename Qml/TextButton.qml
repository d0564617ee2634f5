import QtQuick 2.15
import QtQuick.Controls 2.15

// A rounded button with a text label; the label is its accessible name.
Button {
    id: button
    property color fill: main.btncolor
    property color labelColor: "white"
    property int pixelSize: 14

    implicitWidth: 104
    implicitHeight: 33
    hoverEnabled: true
    focusPolicy: Qt.NoFocus
    background: Rectangle {
        radius: height / 2
        color: button.fill
        opacity: button.down ? 0.3 : (button.enabled ? 1 : 0.5)
    }
    contentItem: Text {
        text: button.text
        font.family: notosans.name
        font.pixelSize: button.pixelSize
        font.bold: true
        color: button.labelColor
        horizontalAlignment: Text.AlignHCenter
        verticalAlignment: Text.AlignVCenter
        elide: Text.ElideRight
    }
    HoverHandler { cursorShape: Qt.PointingHandCursor }
}
