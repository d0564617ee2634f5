import QtQuick 2.15
import com.vemo.portview 1.0

// An on/off switch that does not toggle itself: a click (or a screen
// reader's press or toggle) only asks, through `clicked`, and the owner
// decides whether `checked` changes, since the device may refuse.
Item {
    id: toggle
    property bool checked: false
    property string name
    signal clicked()

    width: 38
    height: 20
    Accessible.role: Accessible.CheckBox
    Accessible.name: name
    Accessible.checkable: true
    Accessible.checked: checked
    Accessible.onPressAction: toggle.clicked()
    Accessible.onToggleAction: toggle.clicked()
    Accessible.focusable: true
    activeFocusOnTab: true
    Keys.onSpacePressed: toggle.clicked()
    Keys.onReturnPressed: toggle.clicked()
    Keys.onEnterPressed: toggle.clicked()

    Rectangle {
        anchors.fill: parent
        radius: 13
        color: toggle.checked ? main.btncolor : "gray"
    }
    Rectangle {
        x: toggle.checked ? parent.width - width - 1 : 1
        anchors.verticalCenter: parent.verticalCenter
        width: 18
        height: 18
        radius: 9
        color: press_area.pressed ? Theme.knobPressed : Theme.knob
    }
    MouseArea {
        id: press_area
        anchors.fill: parent
        cursorShape: Qt.PointingHandCursor
        onClicked: toggle.clicked()
    }
    FocusRing { radius: 13 }
}
