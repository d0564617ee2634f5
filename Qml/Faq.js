.pragma library

// The questions and answers of the FAQ page and how a search picks them.
// The texts speak of the first model; the connected model's name takes its
// place wherever a text is shown or searched.

var placeholder = "QV5830"

// Marked for translation here, translated when the page shows them.
var entries = [
    { title: QT_TRANSLATE_NOOP("Faq", "Q1. What kind of computers support QV5830?"), answer: QT_TRANSLATE_NOOP("Faq", "Any computer whose USB-C port carries DisplayPort Alt Mode video:\r\n-Windows 10 and Windows 11 laptops and desktops\r\n-Mac computers with USB-C or Thunderbolt 3 and 4 ports, on macOS 11 or later\r\n-Chromebooks and Linux computers whose USB-C port outputs video\r\nA USB-C port that carries data only gives keyboard and mouse, but no picture on the display.") },
    { title: QT_TRANSLATE_NOOP("Faq", "Q2. What kind of Smartphone / Tablet support QV5830?"), answer: QT_TRANSLATE_NOOP("Faq", "Smartphones and tablets whose USB-C port outputs DisplayPort Alt Mode video:\r\n-Tablets on iPadOS with a USB-C port\r\n-Android smartphones and tablets that offer a desktop or screen mirroring mode over USB-C\r\nDevices without video output over USB-C can still use the keyboard and mouse.") },
    { title: QT_TRANSLATE_NOOP("Faq", "Q3. How much power does QV5830 supply on Port 2?"), answer: QT_TRANSLATE_NOOP("Faq", "Port 2 supplies 5V at up to 1.5A, 7.5W, to the connected device.\r\nThis keeps a smartphone or tablet charged while it is in use, but it does not charge a laptop.\r\nConnect a laptop that needs charging to Port 1.") },
    { title: QT_TRANSLATE_NOOP("Faq", "Q4. Is there any USB-PD function supported by QV5830?"), answer: QT_TRANSLATE_NOOP("Faq", "Yes, Port 1 supports USB Power Delivery:\r\n-Connect a USB-C PD power adapter to the USB-C power port\r\n-The laptop on Port 1 then charges at 5V, 9V, 15V or 20V\r\nAn adapter over 65W is recommended; it is not supplied in the package.") },
    { title: QT_TRANSLATE_NOOP("Faq", "Q5. Does QV5830 support active / passive video converter?"), answer: QT_TRANSLATE_NOOP("Faq", "The DisplayPort output works with active video converters only:\r\n-Active DisplayPort to HDMI, DVI or VGA adapters convert the signal and work\r\n-Passive adapters need a dual-mode output, which this port does not provide, and show no picture\r\nWhere the display allows, connect it with a DisplayPort cable.") },
    { title: QT_TRANSLATE_NOOP("Faq", "Q6. How to change 2Lane DP to 4Lane DP support on QV5830?"), answer: QT_TRANSLATE_NOOP("Faq", "Long press port selection button for 3 sec. and wait for LED flash:\r\n-2 Lane mode -> Port1 & Port 2 LED flash 1 time\r\n-4 Lane mode -> Port1 & Port 2 LED flash 2 times.") },
    { title: QT_TRANSLATE_NOOP("Faq", "Q7. Does it support Nintendo Switch?"), answer: QT_TRANSLATE_NOOP("Faq", "No, it does not support Nintendo Switch.") }
]

// The text with the connected model's name in place of the first model's;
// without a model name the text stays as written.
function named(text, model) {
    return model ? text.split(placeholder).join(model) : text
}

// The answer taken as a regular expression. The expression ignores case
// rather than being lower-cased, because lower-casing would turn escapes
// such as \D, \S or \W into their opposites. A text that is no valid
// expression ("(", "[", a trailing backslash) is looked for as plain text.
function answerMatches(answer, keywords) {
    var pattern
    try {
        pattern = new RegExp(keywords, "i")
    } catch (notAnExpression) {
        return answer.toLowerCase().indexOf(keywords.toLowerCase()) !== -1
    }
    return answer.search(pattern) !== -1
}

// Whether one entry ({title, answer}, as shown) answers the search: the
// title holds the keywords as plain text, or the answer matches them. An
// empty search matches every entry.
function matches(entry, keywords, model) {
    var title = named(entry.title, model).toLowerCase()
    return title.indexOf(keywords.toLowerCase()) !== -1 || answerMatches(named(entry.answer, model), keywords)
}
