import QtQuick 2.15
import QtQuick.Controls 2.15
import com.vemo.portview 1.0
import "Faq.js" as Faq

// The FAQ page: questions and answers about the switch, each answer opened
// and closed by its question, and a search over both. The connected model's
// name stands wherever the texts name the first model.
Rectangle {
    id: faq_page
    color: main.bgcolor

    // Another page of the frame in place of this one.
    signal pageWanted(string page)

    ListModel { id: faq_model }
    // How many entries the last search kept.
    property int found: faq_model.count

    function named(text) {
        return Faq.named(text, main.dev_model)
    }

    function toggle(index) {
        faq_model.setProperty(index, "show", faq_model.get(index).show === 0 ? 1 : 0)
    }

    // Keeps the entries that match and closes them all.
    function searchfaq(keywords) {
        var hits = 0
        for (var i = 0; i < faq_model.count; ++i) {
            var entry = faq_model.get(i)
            var hit = Faq.matches({ title: entry.title_text, answer: entry.content_text }, keywords, main.dev_model)
            faq_model.setProperty(i, "search", hit ? 1 : 0)
            faq_model.setProperty(i, "show", 0)
            hits += hit ? 1 : 0
        }
        found = hits
    }

    Component.onCompleted: {
        for (var i = 0; i < Faq.entries.length; ++i)
            faq_model.append({ search: 1, show: 1, title_text: qsTranslate("Faq", Faq.entries[i].title),
                               content_text: qsTranslate("Faq", Faq.entries[i].answer) })
        search_field.forceActiveFocus()
    }

    Item {
        id: header
        x: 53
        y: 30
        width: 614 - 53 - 20
        height: 32

        IconButton {
            id: back_arrow
            anchors.verticalCenter: parent.verticalCenter
            width: 24
            height: 24
            name: qsTr("Back")
            source: "../Images/btn_back.png"
            onClicked: faq_page.pageWanted("product_support.qml")
        }

        StaticText {
            anchors.left: back_arrow.right
            anchors.leftMargin: 10
            anchors.verticalCenter: parent.verticalCenter
            text: qsTr("FAQ")
            font.pixelSize: 20
            font.bold: true
            color: main.titlecolor
        }
    }

    Rectangle {
        id: search_box
        anchors.top: header.bottom
        anchors.topMargin: 20
        x: header.x
        width: 416
        height: 32
        radius: 4
        color: "transparent"
        border.width: 1
        border.color: Theme.brand.fieldBorder

        Image {
            id: search_icon
            anchors.left: parent.left
            anchors.leftMargin: 10
            anchors.verticalCenter: parent.verticalCenter
            width: 16
            height: 16
            source: "../Images/icSearch.png"
            Accessible.ignored: true
        }

        TextField {
            id: search_field
            anchors.left: search_icon.right
            anchors.right: parent.right
            anchors.top: parent.top
            anchors.bottom: parent.bottom
            anchors.leftMargin: 4
            placeholderText: qsTr("Search")
            maximumLength: 100
            selectByMouse: true
            font.family: notosans.name
            font.pixelSize: 13
            color: Theme.brand.fieldText
            placeholderTextColor: Theme.brand.fieldPlaceholder
            background: null
            Accessible.name: qsTr("Search")
            onAccepted: {
                typing_timer.stop()
                faq_page.searchfaq(text)
            }
            // The list follows the typing; a short pause first, so that a
            // fast typist does not wait for a search per key.
            onTextEdited: typing_timer.restart()
        }
    }

    Timer {
        id: typing_timer
        interval: 250
        onTriggered: faq_page.searchfaq(search_field.text)
    }

    StaticText {
        visible: faq_page.found === 0
        anchors.top: search_box.bottom
        anchors.topMargin: 24
        x: header.x
        text: qsTr("No questions match your search.")
        font.pixelSize: 14
        color: main.contentcolor
    }

    Flickable {
        id: scroller
        // One group for a reader: the questions, whichever the view shows.
        Accessible.role: Accessible.Pane
        Accessible.name: qsTr("FAQ")
        anchors.top: search_box.bottom
        anchors.topMargin: 20
        anchors.bottom: parent.bottom
        width: 614
        contentWidth: width
        contentHeight: entries.height + 30
        clip: true
        boundsBehavior: Flickable.StopAtBounds
        ScrollBar.vertical: ScrollBar {
            policy: scroller.contentHeight > scroller.height ? ScrollBar.AlwaysOn : ScrollBar.AlwaysOff
            Accessible.name: qsTr("FAQ")
        }

        Column {
            id: entries
            x: header.x
            width: header.width
            Repeater {
                model: faq_model
                delegate: faqEntry
            }
        }
    }

    Component {
        id: faqEntry
        Column {
            id: entry
            readonly property int entryIndex: index
            readonly property bool open: model.show === 1
            visible: model.search === 1
            width: entries.width
            spacing: 8
            bottomPadding: visible ? 16 : 0

            Rectangle {
                width: parent.width
                height: 1
                color: main.titlecolor
                opacity: 0.3
            }

            // The question: a button that opens and closes its answer.
            Item {
                width: parent.width
                height: Math.max(question.height, 24)
                Accessible.role: Accessible.Button
                Accessible.name: question.text
                Accessible.onPressAction: faq_page.toggle(entry.entryIndex)

                Text {
                    id: question
                    anchors.left: parent.left
                    anchors.right: drop_mark.left
                    anchors.rightMargin: 10
                    anchors.verticalCenter: parent.verticalCenter
                    text: faq_page.named(model.title_text)
                    wrapMode: Text.WordWrap
                    font.family: notosans.name
                    font.pixelSize: 15
                    font.bold: true
                    color: main.contentcolor
                    Accessible.ignored: true
                }
                Image {
                    id: drop_mark
                    anchors.right: parent.right
                    anchors.verticalCenter: parent.verticalCenter
                    width: 16
                    height: 16
                    source: entry.open ? "../Images/icon_dropup.png" : "../Images/icon_dropdown.png"
                    Accessible.ignored: true
                }
                MouseArea {
                    anchors.fill: parent
                    cursorShape: Qt.PointingHandCursor
                    onClicked: faq_page.toggle(entry.entryIndex)
                }
            }

            StaticText {
                visible: entry.open
                width: parent.width - 26
                text: faq_page.named(model.content_text)
                wrapMode: Text.WordWrap
                font.pixelSize: 13
                lineHeight: 1.2
                opacity: 0.72
                color: main.contentcolor
            }
        }
    }
}
