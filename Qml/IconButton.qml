import QtQuick 2.15

// A picture that acts as a button. A screen reader's "press" does what a
// click does.
Image {
    id: button
    property string name
    signal clicked()

    fillMode: Image.PreserveAspectFit
    Accessible.role: Accessible.Button
    Accessible.name: name
    Accessible.onPressAction: button.clicked()

    MouseArea {
        anchors.fill: parent
        cursorShape: Qt.PointingHandCursor
        onClicked: button.clicked()
    }
}
