import QtQuick 2.15

// A text a person reads: the interface font, and the text itself as the
// accessible name (markup of rich texts and line breaks taken out), so screen readers and the
// end-to-end tests find it.
Text {
    font.family: notosans.name
    Accessible.role: Accessible.StaticText
    // Line breaks become spaces: a reader speaks the name as one line.
    Accessible.name: (textFormat === Text.RichText || (textFormat !== Text.PlainText && /<[a-z][^>]*>/i.test(text))
                      ? text.replace(/<br\s*\/?>/gi, " ").replace(/<[^>]*>/g, "") : text).replace(/\s*[\r\n]+\s*/g, " ")
}
