import QtQuick 2.15

// Dims what lies behind a pop-up page and keeps presses and the wheel from
// reaching it.
Rectangle {
    anchors.fill: parent
    z: 2
    color: "black"
    opacity: 0.3

    MouseArea {
        anchors.fill: parent
        hoverEnabled: true
        onPressed: mouse.accepted = true
        onWheel: wheel.accepted = true
    }
}
