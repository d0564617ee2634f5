import QtQuick 2.15
import com.vemo.portview 1.0
import "Ports.js" as Ports

// Which port's computer has the switch's keyboard, mouse and screens: both
// ports, under the names the switch reports for them, the active one
// filled. It follows the worker's last status read. The device page puts
// it beside its first heading, where it takes no row of its own: within
// `room`, the caption goes first when the chips would be cut short (long
// translations, long port names), then the names are elided.
Row {
    id: port_row
    property int active: monitor.activePort
    property var names: monitor.portNames
    property real room: 360
    readonly property real chipText: (room - (caption.visible ? caption.width + spacing : 0) - spacing) / 2 - 24

    spacing: 8
    StaticText {
        id: caption
        visible: (port_row.room - implicitWidth - 2 * port_row.spacing) / 2 - 24 >= 110
        anchors.verticalCenter: parent.verticalCenter
        text: qsTr("Active Port")
        font.pixelSize: 13
        opacity: 0.72
        color: main.contentcolor
    }
    Repeater {
        model: 2
        Rectangle {
            readonly property int port: index + 1
            readonly property bool current: port === port_row.active
            width: label.width + 24
            height: 27
            radius: 5
            color: current ? main.btncolor : Theme.brand.chip
            opacity: current ? 1 : 0.6
            StaticText {
                id: label
                anchors.centerIn: parent
                width: Math.min(implicitWidth, port_row.chipText)
                elide: Text.ElideRight
                text: Ports.label(parent.port, port_row.names)
                font.pixelSize: 14
                font.bold: true
                color: parent.current ? Theme.brand.buttonText : Theme.brand.chipText
                Accessible.description: parent.current ? qsTr("Active") : ""
            }
        }
    }
}
