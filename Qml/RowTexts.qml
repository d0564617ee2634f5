import QtQuick 2.15

// The texts of a setting row: its title, what it does, and a note under it
// that takes no room when empty. The texts wrap inside the width the row
// gives, so a longer translation grows down, never into the row's control.
Column {
    property string title
    property string content
    property string warning

    width: 500
    spacing: 4
    StaticText {
        width: parent.width
        text: title
        wrapMode: Text.WordWrap
        font.pixelSize: 15
        font.bold: true
        color: main.contentcolor
    }
    StaticText {
        width: Math.min(450, parent.width - 24)
        text: content
        wrapMode: Text.WordWrap
        font.pixelSize: 13
        opacity: 0.72
        color: main.contentcolor
    }
    StaticText {
        visible: warning !== ""
        width: parent.width
        text: warning
        wrapMode: Text.WordWrap
        font.pixelSize: 12
        opacity: 0.72
        color: main.contentcolor
    }
}
