import QtQuick 2.15

// One row of the preferences page: a bold title on the left and, beside it,
// whatever the row holds.
Row {
    property alias title: title_text.text
    default property alias content: holder.data

    spacing: 0
    StaticText {
        id: title_text
        // Titles of other languages run longer: they wrap in their column.
        width: 150
        rightPadding: 12
        wrapMode: Text.WordWrap
        font.pixelSize: 15
        font.bold: true
        color: main.contentcolor
    }
    Item {
        id: holder
        width: childrenRect.width
        height: Math.max(childrenRect.height, title_text.height)
    }
}
