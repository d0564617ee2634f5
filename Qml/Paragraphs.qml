import QtQuick 2.15

// A rich text of <p> paragraphs and <li> list entries laid out as one text
// per paragraph, so a screen reader steps through it a paragraph at a time
// instead of reading one long label. A text without paragraphs stays whole.
Column {
    id: paragraphs
    property string html
    property int pixelSize: 12
    property color color
    readonly property var parts: split(html)

    function split(text) {
        var found = []
        var pattern = /<(p|li)>([\s\S]*?)<\/\1>/gi
        var match
        while ((match = pattern.exec(text)) !== null)
            found.push({ entry: match[1].toLowerCase() === "li", html: match[2] })
        return found.length ? found : [{ entry: false, html: text }]
    }

    spacing: 8

    Repeater {
        model: paragraphs.parts
        Item {
            width: paragraphs.width
            height: body.height
            // The bullet is drawn, not read: each entry is its own item.
            Text {
                visible: modelData.entry
                text: "\u2022"
                font: body.font
                color: paragraphs.color
                Accessible.ignored: true
            }
            StaticText {
                id: body
                x: modelData.entry ? 16 : 0
                width: parent.width - x
                wrapMode: Text.WordWrap
                textFormat: Text.RichText
                font.pixelSize: paragraphs.pixelSize
                color: paragraphs.color
                text: modelData.html
            }
        }
    }
}
