import QtQuick 2.15

// Alert dialog. Reads title, msg, okfunc and closefunc from the loader's
// `para`; "OK" and the close cross close it, then run their function.
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
        width: 404
        height: 212
        anchors.centerIn: parent
        radius: 6
        color: dialog.maker ? "#ffffff" : "#1d1d1d"

        StaticText {
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
            anchors.top: close_cross.bottom
            anchors.topMargin: 14
            anchors.left: parent.left
            anchors.leftMargin: 24
            anchors.right: parent.right
            anchors.rightMargin: 24
            anchors.bottom: ok_btn.top
            anchors.bottomMargin: 10
            text: dialog.para.msg === undefined ? "" : dialog.para.msg
            font.pixelSize: 14
            wrapMode: Text.WordWrap
            opacity: dialog.maker ? 0.72 : 1
            color: dialog.maker ? "black" : "#d4d4d4"
        }

        TextButton {
            id: ok_btn
            objectName: "dialog_ok"
            anchors.right: parent.right
            anchors.rightMargin: 24
            anchors.bottom: parent.bottom
            anchors.bottomMargin: 24
            text: qsTr("OK")
            onClicked: dialog.finish(dialog.para.okfunc)
        }
    }
}
