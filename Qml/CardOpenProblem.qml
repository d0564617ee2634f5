import QtQuick 2.15
import com.vemo.portview 1.0

// What a device card says when its switch is there but cannot be opened:
// why, in words a user acts on, the command that installs a missing udev
// rule (selectable, to copy into a terminal), and "Try again". Its texts
// keep the window's translation context.
Column {
    id: problem
    // "permission", "busy" or "other"; the command for "permission" where a
    // rule fixes it; how often "Try again" failed since the card came.
    property string code
    property string command
    property int failedTries: 0
    property color textColour: Theme.brand.cardText
    signal retry()

    readonly property string reason: {
        var lead = failedTries > 0 ? qsTranslate("main", "This switch still cannot be opened.")
                                   : qsTranslate("main", "This switch cannot be opened.")
        var why
        if (code === "permission" && command !== "")
            why = qsTranslate("main", "Your user may not use it: the udev rule that gives access is missing. Install it with this command, then try again:")
        else if (code === "permission")
            why = qsTranslate("main", "Your user has no access to it. Ask the administrator of this computer for access, then try again.")
        else if (code === "busy")
            why = qsTranslate("main", "Another program is using it. Close that program, then try again.")
        else
            why = qsTranslate("main", "Unplug it and plug it in again, then try again.")
        return lead + " " + why
    }

    spacing: 8
    StaticText {
        width: parent.width
        horizontalAlignment: Text.AlignHCenter
        text: problem.reason
        wrapMode: Text.WordWrap
        font.pixelSize: 12
        font.bold: true
        color: problem.textColour
    }
    Rectangle {
        visible: problem.command !== ""
        width: parent.width
        height: command_text.height + 8
        radius: 4
        color: Theme.brand.chip
        TextEdit {
            id: command_text
            x: 4
            y: 4
            width: parent.width - 8
            readOnly: true
            selectByMouse: true
            activeFocusOnTab: true
            wrapMode: TextEdit.WrapAnywhere
            text: problem.command
            font.family: "monospace"
            font.pixelSize: 10
            color: Theme.brand.chipText
            Accessible.role: Accessible.EditableText
            Accessible.readOnly: true
            Accessible.name: qsTranslate("main", "Command that installs the udev rule")
            Accessible.description: text
            FocusRing {}
        }
    }
    TextButton {
        anchors.horizontalCenter: parent.horizontalCenter
        width: Math.max(130, implicitContentWidth + 40)
        height: 29
        text: qsTranslate("main", "Try again")
        onClicked: problem.retry()
    }
}
