import QtQuick 2.15
import com.vemo.portview 1.0

// The ring round the control that has the keyboard focus, in the theme's
// colour, drawn just outside it so it covers nothing of the control.
Rectangle {
    property Item target: parent
    property real gap: 3

    anchors.fill: target
    anchors.margins: -gap
    visible: target && target.activeFocus
    color: "transparent"
    radius: 4
    border.width: 2
    border.color: Theme.brand.focusRing
    z: 10
    Accessible.ignored: true
}
