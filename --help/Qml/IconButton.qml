import QtQuick 2.15

// A picture that acts as a button. A screen reader's "press", and Space or
// Enter while it has the focus, do what a click does.
Image {
    id: button
    property string name
    signal clicked()

    fillMode: Image.PreserveAspectFit
    activeFocusOnTab: true
    Keys.onSpacePressed: button.clicked()
    Keys.onReturnPressed: button.clicked()
    Keys.onEnterPressed: button.clicked()
    Accessible.focusable: true
    Accessible.role: Accessible.Button
    Accessible.name: name
    Accessible.onPressAction: button.clicked()

    MouseArea {
        anchors.fill: parent
        cursorShape: Qt.PointingHandCursor
        onClicked: button.clicked()
    }
    FocusRing {}
}
