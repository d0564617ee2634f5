import QtQuick 2.15
import QtQuick.Controls 2.15
import com.vemo.portview 1.0
import "Links.js" as Links

// The offer of a newer firmware: its licence terms, the link to the
// version's page and the three answers. The upgrade page acts on them
// (`answered` with the automatic-check flag to store, `downloadWanted`).
// Its texts keep the upgrade page's translation context.
Rectangle {
    id: offer_card
    signal answered(string autocheck)
    signal downloadWanted()

    function openAbout() {
        Qt.openUrlExternally(Links.site(main.company) + "products/" + encodeURIComponent(main.dev_model))
    }

    width: 540
    height: 520
    radius: 5
    color: "white"

    // A dialog: Escape answers as "Remind me later", Tab stays inside.
    Accessible.role: Accessible.Dialog
    Accessible.name: qsTranslate("upgrade_info", "New Firmware Version")
    Keys.onEscapePressed: offer_card.answered("1")
    DialogFocus { first: remind_btn }

    StaticText {
        anchors.left: parent.left
        anchors.leftMargin: 45
        anchors.verticalCenter: offer_close.verticalCenter
        text: qsTranslate("upgrade_info", "New Firmware Version")
        font.pixelSize: 18
        font.bold: true
        color: "black"
    }
    IconButton {
        id: offer_close
        name: qsTranslate("upgrade_info", "Close")
        source: "../Images/icon_x.png"
        width: 32
        height: 32
        anchors.top: parent.top
        anchors.topMargin: 12
        anchors.right: parent.right
        anchors.rightMargin: 12
        onClicked: offer_card.answered("1")
        KeyNavigation.backtab: download_btn
    }
    StaticText {
        id: offered
        x: 45
        anchors.top: offer_close.bottom
        anchors.topMargin: 6
        // The server's text as it stands: no markup, no replacement patterns.
        text: qsTranslate("upgrade_info", "Offered version: @").replace("@", function () { return main.new_ver })
        textFormat: Text.PlainText
        font.pixelSize: 14
        font.bold: true
        color: Theme.offerText
    }
    StaticText {
        id: read_first
        x: 45
        anchors.top: offered.bottom
        anchors.topMargin: 8
        text: qsTranslate("upgrade_info", "Please read the following carefully before downloading.")
        font.pixelSize: 14
        color: Theme.offerText
    }
    Rectangle {
        id: terms_box
        x: 45
        anchors.top: read_first.bottom
        anchors.topMargin: 12
        width: 450
        height: 220
        color: Theme.offerTerms
        border.color: Theme.offerTermsBorder
        Flickable {
            id: terms_view
            anchors.fill: parent
            anchors.margins: 1
            contentHeight: terms.height + 24
            clip: true
            boundsBehavior: Flickable.StopAtBounds
            // A group of its own: a reader steps through the paragraphs
            // inside it, whichever of them the view scrolls to.
            Accessible.role: Accessible.Pane
            Accessible.name: qsTranslate("upgrade_info", "Licence terms")
            ScrollBar.vertical: ScrollBar {
                policy: ScrollBar.AlwaysOn
                Accessible.name: qsTranslate("upgrade_info", "Licence terms")
            }
            Paragraphs {
                id: terms
                x: 14
                y: 12
                width: terms_view.width - 34
                pixelSize: 12
                color: Theme.offerText
                html: qsTranslate("upgrade_info", "<p><b>Firmware Licence</b></p>"
                           + "<p>Copyright © @. All rights reserved except as granted below.</p>"
                           + "<p>Permission is granted, free of charge, to anyone who owns a switch of this kind "
                           + "to download this firmware and its upgrade tool, to install the firmware on that "
                           + "switch and to keep copies of both for that purpose.</p>"
                           + "<p>The firmware and the tool are provided <b>as is</b>, without warranty of any "
                           + "kind, express or implied, including fitness for a particular purpose. In no event "
                           + "shall the authors be liable for any claim, damages or other liability arising from "
                           + "their use.</p>"
                           + "<p><b>Before you start</b></p>"
                           + "<ul><li>Keep the switch connected to power and to this computer until the tool "
                           + "reports that it has finished.</li>"
                           + "<li>Do not switch ports while the firmware is written.</li>"
                           + "<li>Your settings stay in place; a backup on the Maintenance page keeps a copy.</li></ul>"
                           + "<p>By choosing \"Download\" you accept these terms.</p>").replace("@", main.company)
            }
        }
    }
    StaticText {
        id: about_link
        x: 45
        anchors.top: terms_box.bottom
        anchors.topMargin: 12
        text: qsTranslate("upgrade_info", "About this version")
        font.pixelSize: 13
        font.underline: true
        // The card is white in both themes; the sister brand's green is
        // too pale on it.
        color: Theme.offerLink
        Accessible.role: Accessible.Link
        Accessible.onPressAction: offer_card.openAbout()
        Accessible.focusable: true
        activeFocusOnTab: true
        Keys.onSpacePressed: offer_card.openAbout()
        Keys.onReturnPressed: offer_card.openAbout()
        FocusRing {}
        MouseArea {
            anchors.fill: parent
            cursorShape: Qt.PointingHandCursor
            onClicked: offer_card.openAbout()
        }
    }
    StaticText {
        id: port_note
        x: 45
        anchors.top: about_link.bottom
        anchors.topMargin: 8
        text: qsTranslate("upgrade_info", "Note: Only supports firmware updates for computers on Port 1.")
        font.pixelSize: 13
        color: Theme.offerWarning
    }
    // The maker's upgrade tool runs on Windows only: said before anything
    // is fetched.
    StaticText {
        visible: Qt.platform.os !== "windows"
        x: 45
        width: 450
        anchors.top: port_note.bottom
        anchors.topMargin: 8
        text: qsTranslate("upgrade_info", "The upgrade tool is a Windows program: on this system, upgrade from a "
                          + "Windows computer on the switch's Port 1.")
        wrapMode: Text.WordWrap
        font.pixelSize: 13
        color: Theme.offerWarning
    }
    Row {
        anchors.bottom: parent.bottom
        anchors.bottomMargin: 28
        anchors.horizontalCenter: parent.horizontalCenter
        spacing: 12
        TextButton {
            least: 140
            height: 36
            fill: Theme.offerQuiet
            labelColor: Theme.offerQuietText
            text: qsTranslate("upgrade_info", "Skip this version")
            onClicked: offer_card.answered("0")
        }
        TextButton {
            id: remind_btn
            least: 140
            height: 36
            fill: Theme.offerQuiet
            labelColor: Theme.offerQuietText
            text: qsTranslate("upgrade_info", "Remind me later")
            onClicked: offer_card.answered("1")
        }
        TextButton {
            id: download_btn
            least: 100
            height: 36
            fill: Theme.offerDownload
            labelColor: Theme.offerDownloadText
            text: qsTranslate("upgrade_info", "Download")
            onClicked: offer_card.downloadWanted()
            KeyNavigation.tab: offer_close
        }
    }
}
