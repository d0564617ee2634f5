import QtQuick 2.15
import com.vemo.portview 1.0

// The main window's and the device frame's dialog, in two variants read from
// the loader's `para`:
// - confirm: title, msg, dobtn, cancelbtn (no cancel button when empty),
//   dofunc, cancelfunc, closefunc;
// - alert (`variant` "alert"): title, msg and one "OK" that runs okfunc.
// Every button and the close cross close the dialog, then run their function
// (closefunc for the cross), so a function may open the next dialog in the
// same loader.
// While it shows, the keyboard focus stays inside (Tab goes round its
// buttons), Escape does what its cancelling button (or the cross) does, and
// the focus goes back where it was when it closes.
FocusScope {
    id: dialog
    readonly property var para: parent && parent.para ? parent.para : ({})
    readonly property bool alert: para.variant === "alert"

    Accessible.role: alert ? Accessible.AlertMessage : Accessible.Dialog
    Accessible.name: title.text

    function finish(func) {
        if (dialog.parent)
            dialog.parent.visible = false
        if (typeof func === "function")
            func()
    }

    // The loader keeps the dialog and shows it again for the next one.
    DialogFocus { first: cancel_btn.visible ? cancel_btn : do_btn }

    Keys.onEscapePressed: {
        if (cancel_btn.visible)
            cancel_btn.clicked()
        else
            close_cross.clicked()
    }

    Mask { z: 0 }

    Rectangle {
        id: card
        width: 404
        height: dialog.alert ? 212 : 230
        anchors.centerIn: parent
        radius: 6
        color: Theme.brand.popup

        StaticText {
            id: title
            anchors.left: parent.left
            anchors.leftMargin: 24
            anchors.right: close_cross.left
            anchors.verticalCenter: close_cross.verticalCenter
            text: dialog.para.title === undefined ? "" : dialog.para.title
            font.pixelSize: 17
            font.bold: true
            elide: Text.ElideRight
            color: Theme.brand.popupText
        }

        IconButton {
            id: close_cross
            objectName: "dialog_close"
            name: qsTr("Close")
            source: "../Images/icon_x.png"
            width: 30
            height: 30
            anchors.top: parent.top
            anchors.topMargin: 10
            anchors.right: parent.right
            anchors.rightMargin: 10
            onClicked: dialog.finish(dialog.para.closefunc)
            KeyNavigation.backtab: do_btn
        }

        StaticText {
            id: message
            anchors.top: close_cross.bottom
            anchors.topMargin: 14
            anchors.left: parent.left
            anchors.leftMargin: 24
            anchors.right: parent.right
            anchors.rightMargin: 24
            anchors.bottom: detail.visible ? detail.top : buttons.top
            anchors.bottomMargin: 10
            text: dialog.para.msg === undefined ? "" : dialog.para.msg
            font.pixelSize: 14
            wrapMode: Text.WordWrap
            opacity: Theme.brand.messageOpacity
            color: Theme.brand.popupText
        }

        // Why it failed or what to do next, under the message and apart
        // from it, so the message itself stays the same text.
        StaticText {
            id: detail
            visible: text !== ""
            anchors.left: message.left
            anchors.right: message.right
            anchors.bottom: buttons.top
            anchors.bottomMargin: 12
            text: dialog.para.detail === undefined ? "" : dialog.para.detail
            font.pixelSize: 13
            wrapMode: Text.WordWrap
            opacity: Theme.brand.messageOpacity
            color: Theme.brand.popupText
        }

        Row {
            id: buttons
            anchors.right: parent.right
            anchors.rightMargin: 24
            anchors.bottom: parent.bottom
            anchors.bottomMargin: 24
            spacing: 12

            TextButton {
                id: cancel_btn
                objectName: "dialog_cancel"
                visible: !dialog.alert && dialog.para.cancelbtn !== undefined && dialog.para.cancelbtn !== ""
                text: visible ? dialog.para.cancelbtn : ""
                fill: Theme.brand.quietButton
                labelColor: Theme.brand.quietButtonText
                onClicked: dialog.finish(dialog.para.cancelfunc)
            }
            TextButton {
                id: do_btn
                objectName: dialog.alert ? "dialog_ok" : "dialog_do"
                text: dialog.alert || dialog.para.dobtn === undefined || dialog.para.dobtn === "" ? qsTr("OK")
                                                                                                  : dialog.para.dobtn
                onClicked: dialog.finish(dialog.alert ? dialog.para.okfunc : dialog.para.dofunc)
                KeyNavigation.tab: close_cross
            }
        }
    }
}
