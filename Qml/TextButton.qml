import QtQuick 2.15
import QtQuick.Controls 2.15
import com.vemo.portview 1.0

// A rounded button with a text label; the label is its accessible name.
// Tab reaches it, Space (the control's own) and Enter press it.
Button {
    id: button
    property color fill: main.btncolor
    property color labelColor: Theme.brand.buttonText
    property int pixelSize: 14
    // The narrowest it gets; a longer label (a translation) widens it, so
    // the label is never cut.
    property int least: 104

    implicitWidth: Math.max(least, contentItem.implicitWidth + 24)
    implicitHeight: 33
    hoverEnabled: true
    focusPolicy: Qt.StrongFocus
    Keys.onReturnPressed: button.clicked()
    Keys.onEnterPressed: button.clicked()
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
    FocusRing { radius: height / 2 }
}
