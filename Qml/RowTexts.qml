import QtQuick 2.15

// The texts of a setting row: its title, what it does, and a note under it
// that takes no room when empty.
Column {
    property string title
    property string content
    property string warning

    width: 500
    spacing: 4
    StaticText {
        text: title
        font.pixelSize: 15
        font.bold: true
        color: main.contentcolor
    }
    StaticText {
        width: 450
        text: content
        wrapMode: Text.WordWrap
        font.pixelSize: 13
        opacity: 0.72
        color: main.contentcolor
    }
    StaticText {
        visible: warning !== ""
        width: 500
        text: warning
        wrapMode: Text.WordWrap
        font.pixelSize: 12
        opacity: 0.72
        color: main.contentcolor
    }
}
