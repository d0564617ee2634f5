import QtQuick 2.15
import QtQuick.Controls 2.15
import com.vemo.portview 1.0

// The hotkey editor. The keyboard hook of the command worker records the
// keys (monitor.restartHotkey) and names each one through `keyname`; the
// editor builds the hotkey text from those names and judges it once the
// first key is released. Where the desktop presses the hotkey no hook runs:
// the field passes its own key events to the same recorder, and shows the
// keys as the desktop bound them until a new capture.
// Escape cancels, Tab stays inside; while the field records, every key
// goes to the recorder.
FocusScope {
    id: keys_item
    property bool recording: false
    Accessible.role: Accessible.Dialog
    Accessible.name: qsTr("Hotkey Edit")
    // Later: the editor goes away with its loader, not inside its own key event.
    Keys.onEscapePressed: Qt.callLater(keys_item.closePage)
    readonly property int maxKeys: 5
    readonly property color errorColour: Theme.brand.errorText
    readonly property color doneColour: Theme.hotkeyDone

    // A new hotkey was stored: the page that opened the editor shows it.
    signal saved()

    anchors.fill: parent

    function keysOf(text) {
        return text === "" ? [] : text.split(" + ")
    }

    // A hotkey is one or more modifiers followed by one other key: the
    // monitor's rule, the same that restore and start-up apply.
    function acceptable(text) {
        var keys = keysOf(text)
        if (keys.length > 0)
            console.log("endkey", keys[keys.length - 1])
        return monitor.isValidHotkey(text)
    }

    function showError(message) {
        tips_txt.text = message
        tips_txt.visible = true
        border_bg.border.color = errorColour
        ok_btn.enabled = false
        recording = false
        monitor.restartHotkey(Codes.Held)
    }

    function startCapture() {
        if (tips_txt.visible)
            key_txt.text = ""
        monitor.restartHotkey(Codes.Recording)
        recording = true
        if (key_txt.text !== "")
            key_txt.selectAll()
        tips_txt.visible = false
        ok_btn.enabled = key_txt.text !== ""
        border_bg.border.color = main.btncolor
    }

    function keyReported(name) {
        if (name === "") {
            showError(qsTr("Not support key."))
        } else if (name === String(Codes.RecordingStarted)) {
            key_txt.text = ""
        } else if (name === String(Codes.KeysCleared)) {
            key_txt.text = ""
            tips_txt.visible = false
            // Nothing is captured yet, so there is nothing to save.
            ok_btn.enabled = false
            border_bg.border.color = main.btncolor
            monitor.restartHotkey(Codes.Recording)
        } else if (name === String(Codes.SystemConflict)) {
            showError(qsTr("Conflict to system hotkey."))
        } else if (name === String(Codes.KeysReleased)) {
            if (acceptable(key_txt.text)) {
                ok_btn.enabled = true
                border_bg.border.color = doneColour
                recording = false
                monitor.restartHotkey(Codes.Matching)
            } else {
                showError(qsTr("Please enter combination key."))
            }
        } else if (keysOf(key_txt.text).length < maxKeys) {
            key_txt.text = key_txt.text === "" ? name : key_txt.text + " + " + name
        }
    }

    // The field shows the desktop's own words for its keys: nothing new to save.
    readonly property bool showsDesktopTrigger: monitor.hotkeyFromDesktop && monitor.hotkeyTrigger !== ""
                                                && key_txt.text === monitor.hotkeyTrigger

    function save() {
        var text = key_txt.text
        if (showsDesktopTrigger) {
            closePage()
            return
        }
        if (!acceptable(text)) {
            showError(qsTr("Please enter combination key."))
            return
        }
        if (!monitor.setHotkey(text)) {
            tips_txt.text = qsTr("Conflict to system hotkey.")
            tips_txt.visible = true
            border_bg.border.color = errorColour
            return
        }
        main.hotkey_list = text
        saved()
        main.saveHotkey(text)
        closePage()
    }

    function closePage() {
        var loader = parent
        loader.visible = false
        loader.source = ""
    }

    Connections {
        target: monitor
        function onKeyPressed() { keys_item.keyReported(monitor.keyname) }
    }

    Component.onCompleted: monitor.restartHotkey(main.hotkey_list === "" ? Codes.Recording : Codes.Matching)

    Mask { z: 0 }
    DialogFocus { first: key_txt }

    Rectangle {
        id: card
        width: 554
        height: 260
        anchors.centerIn: parent
        radius: 6
        color: Theme.brand.popup

        StaticText {
            anchors.left: parent.left
            anchors.leftMargin: 30
            anchors.verticalCenter: close_cross.verticalCenter
            text: qsTr("Hotkey Edit")
            font.pixelSize: 17
            font.bold: true
            color: main.contentcolor
        }

        IconButton {
            id: close_cross
            name: qsTr("Close")
            source: "../Images/icon_x.png"
            width: 30
            height: 30
            anchors.top: parent.top
            anchors.topMargin: 10
            anchors.right: parent.right
            anchors.rightMargin: 10
            onClicked: keys_item.closePage()
            KeyNavigation.backtab: ok_btn
        }

        StaticText {
            id: hint
            anchors.top: close_cross.bottom
            anchors.topMargin: 10
            anchors.left: parent.left
            anchors.leftMargin: 30
            text: qsTr("Click the box to type the shortcut key.")
            font.pixelSize: 14
            opacity: 0.72
            color: main.contentcolor
        }

        StaticText {
            id: field_label
            anchors.verticalCenter: border_bg.verticalCenter
            anchors.left: parent.left
            anchors.leftMargin: 30
            text: qsTr("Device Switch")
            // Long translations wrap in what the field leaves of the card.
            width: Math.min(implicitWidth, card.width - 30 - 20 - border_bg.width - 30)
            wrapMode: Text.WordWrap
            font.pixelSize: 14
            font.bold: true
            color: main.contentcolor
        }

        Rectangle {
            id: border_bg
            anchors.top: hint.bottom
            anchors.topMargin: 24
            anchors.left: field_label.right
            anchors.leftMargin: 20
            width: 300
            height: 30
            radius: 3
            color: "transparent"
            border.width: 1
            border.color: main.btncolor

            TextField {
                id: key_txt
                anchors.fill: parent
                readOnly: true
                text: monitor.hotkeyFromDesktop && monitor.hotkeyTrigger !== "" ? monitor.hotkeyTrigger
                                                                                : main.hotkey_list
                // The field gives its placeholder to screen readers as its
                // description; it shows only while the field is empty, so
                // otherwise it holds the hotkey, which the description names.
                placeholderText: text !== "" ? text : qsTr("Not set")
                font.family: "Arial"
                font.pixelSize: 14
                color: main.contentcolor
                selectByMouse: false
                background: null
                Accessible.name: qsTr("Device Switch")
                onPressed: keys_item.startCapture()
                // Enter or Space starts a capture as a click does; while it
                // records, the keys are the recorder's and move nothing here.
                Keys.onPressed: {
                    if (!event.isAutoRepeat)
                        monitor.recordWindowKey(event.nativeScanCode, true)
                    if (keys_item.recording) {
                        event.accepted = true
                    } else if (event.key === Qt.Key_Return || event.key === Qt.Key_Enter
                               || event.key === Qt.Key_Space) {
                        event.accepted = true
                        keys_item.startCapture()
                    }
                }
                Keys.onReleased: {
                    if (!event.isAutoRepeat)
                        monitor.recordWindowKey(event.nativeScanCode, false)
                    event.accepted = keys_item.recording
                }
                FocusRing {}
            }
        }

        StaticText {
            id: tips_txt
            visible: false
            anchors.top: border_bg.bottom
            anchors.topMargin: 8
            anchors.left: border_bg.left
            font.pixelSize: 14
            color: keys_item.errorColour
        }

        Row {
            anchors.right: parent.right
            anchors.rightMargin: 30
            anchors.bottom: parent.bottom
            anchors.bottomMargin: 24
            spacing: 16
            TextButton {
                width: 104
                height: 33
                text: qsTr("Cancel")
                fill: Theme.brand.quietButton
                labelColor: Theme.brand.quietButtonText
                onClicked: keys_item.closePage()
            }
            TextButton {
                id: ok_btn
                width: 104
                height: 33
                text: qsTr("Save")
                onClicked: keys_item.save()
                KeyNavigation.tab: close_cross
            }
        }
    }
}
