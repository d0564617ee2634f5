import QtQuick 2.15

// Confirm dialog. Reads its descriptor from the loader's `para`: title, msg,
// dobtn, cancelbtn (no cancel button when empty), dofunc, cancelfunc,
// closefunc. Every button closes the dialog, then runs its function, so a
// function may open the next dialog in the same loader.
Item {
    id: dialog
    readonly property var para: parent && parent.para ? parent.para : ({})
    readonly property bool maker: main.company === "Vemo"

    function finish(func) {
        if (dialog.parent)
            dialog.parent.visible = false
        if (typeof func === "function")
            func()
    }

    Mask { z: 0 }

    Rectangle {
        id: card
        width: 404
        height: 230
        anchors.centerIn: parent
        radius: 6
        color: dialog.maker ? "#ffffff" : "#1d1d1d"

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
            color: dialog.maker ? "black" : "#d4d4d4"
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
        }

        StaticText {
            id: message
            anchors.top: close_cross.bottom
            anchors.topMargin: 14
            anchors.left: parent.left
            anchors.leftMargin: 24
            anchors.right: parent.right
            anchors.rightMargin: 24
            anchors.bottom: buttons.top
            anchors.bottomMargin: 10
            text: dialog.para.msg === undefined ? "" : dialog.para.msg
            font.pixelSize: 14
            wrapMode: Text.WordWrap
            opacity: dialog.maker ? 0.72 : 1
            color: dialog.maker ? "black" : "#d4d4d4"
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
                visible: dialog.para.cancelbtn !== undefined && dialog.para.cancelbtn !== ""
                text: visible ? dialog.para.cancelbtn : ""
                fill: dialog.maker ? "#f2f2f2" : "#b5b5b5"
                labelColor: dialog.maker ? "#777777" : "#505050"
                onClicked: dialog.finish(dialog.para.cancelfunc)
            }
            TextButton {
                id: do_btn
                objectName: "dialog_do"
                text: dialog.para.dobtn === undefined || dialog.para.dobtn === "" ? qsTr("OK") : dialog.para.dobtn
                onClicked: dialog.finish(dialog.para.dofunc)
            }
        }
    }
}
