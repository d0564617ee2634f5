import QtQuick 2.15

QtObject {
    property bool visible
    property string icon
    property string toolTip
    property QtObject menu
    property bool available: true
    signal trigger()
    signal keptRunning()
}
