import QtQuick 2.15
import QtQuick.Window 2.15

Window {
    id: main
    width: 962
    height: 640
    title: "Vemo Portview"
    color: "#f4f6f8"
    visible: show_mode !== "hide"

    Text {
        anchors.centerIn: parent
        text: qsTr("Vemo Portview") + " " + ap_ver
        font.pixelSize: 20
        color: "#1f6fb2"
    }
}
