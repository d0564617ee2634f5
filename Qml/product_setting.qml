import QtQuick 2.15
import QtQuick.Controls 2.15
import com.vemo.portview 1.0
import "Links.js" as Links

// The preferences page: the program's version, start at log-on, the
// interface language and who makes the program. The main window keeps it in
// `load_setting` once opened and shows or hides it; hidden to the tray while
// another page shows, the window lets it go.
Rectangle {
    id: setting
    readonly property bool maker: Theme.maker
    readonly property var about: Links.aboutOf(main.company)
    readonly property string productName: main.company + " Portview"
    readonly property var networkIcons: ["facebook", "youtube", "linkedin", "twitter", "instagram"]
    readonly property var networkNames: ["Facebook", "YouTube", "LinkedIn", "Twitter", "Instagram"]

    color: Theme.brand.preferences

    // Escape leaves as "Back" does; the focus starts on "Back" and returns
    // to the gear.
    Keys.onEscapePressed: main.goHome()
    DialogFocus { first: back_arrow }

    // In the order of the language table (Lib/langswitch.cpp): the stored
    // "language" is the index, each name in its own language.
    ListModel {
        id: items
        ListElement { value: "0"; text: "English" }
        ListElement { value: "1"; text: "中文(繁體)" }
        ListElement { value: "2"; text: "中文(简体)" }
        ListElement { value: "3"; text: "日本語" }
        ListElement { value: "4"; text: "Deutsch" }
        ListElement { value: "5"; text: "Русский" }
        ListElement { value: "6"; text: "한국어" }
        ListElement { value: "7"; text: "Français" }
        ListElement { value: "8"; text: "Español" }
        ListElement { value: "9"; text: "Português" }
    }

    // Registering with the system may be refused; the switch then stays.
    function toggleAutorun() {
        var flag = main.auto_run === 1 ? 0 : 1
        if (!process.setAPAutorun(flag)) {
            main.showNotice(qsTr("Launch at Startup"), qsTr("Failed to launch at startup, please try again."))
            return
        }
        // The system's entry has changed already: the switch follows it.
        if (!io.setIni("System", "autorun", String(flag)))
            main.settingNotSaved()
        main.auto_run = flag
    }

    function changeLanguage() {
        var index = language_box.currentIndex
        if (!io.setIni("System", "language", String(index)))
            main.settingNotSaved()
        main.language = index
        lang.changeLang(index)
    }

    // Swallows presses, so nothing of the home page beneath reacts.
    MouseArea {
        anchors.fill: parent
        onWheel: wheel.accepted = true
    }

    Item {
        id: back_strip
        width: parent.width
        height: 50

        IconButton {
            id: back_arrow
            name: qsTr("Back")
            source: "../Images/btn_back.png"
            width: 24
            height: 24
            anchors.left: parent.left
            anchors.leftMargin: 25
            anchors.verticalCenter: parent.verticalCenter
            onClicked: main.goHome()
        }
        StaticText {
            anchors.left: back_arrow.right
            anchors.leftMargin: 10
            anchors.verticalCenter: parent.verticalCenter
            text: setting.productName
            font.pixelSize: 16
            font.bold: true
            color: main.contentcolor
            MouseArea {
                anchors.fill: parent
                cursorShape: Qt.PointingHandCursor
                onClicked: main.goHome()
            }
        }
    }

    Column {
        anchors.top: back_strip.bottom
        anchors.topMargin: 30
        x: 80
        width: parent.width - 160
        spacing: 36

        PreferenceRow {
            title: qsTr("Version")
            StaticText {
                text: " V" + ap_ver
                font.pixelSize: 14
                color: main.contentcolor
            }
        }

        PreferenceRow {
            title: qsTr("Launch at Startup")
            Item {
                width: 600
                height: Math.max(20, autorun_text.height)
                StaticText {
                    id: autorun_text
                    anchors.verticalCenter: parent.verticalCenter
                    width: parent.width - autorun_switch.width - 16
                    wrapMode: Text.WordWrap
                    text: qsTr("Run @ automatically at startup.").replace("@", setting.productName)
                    font.pixelSize: 14
                    opacity: 0.72
                    color: main.contentcolor
                }
                SettingSwitch {
                    id: autorun_switch
                    anchors.right: parent.right
                    name: qsTr("Launch at Startup")
                    checked: main.auto_run === 1
                    onClicked: setting.toggleAutorun()
                }
            }
        }

        PreferenceRow {
            title: qsTr("Language")
            ComboBox {
                id: language_box
                width: 270
                height: 30
                model: items
                textRole: "text"
                currentIndex: main.language
                Accessible.name: qsTr("Language")
                Accessible.description: displayText
                font.family: notosans.name
                font.pixelSize: 14
                indicator: Image {
                    x: language_box.width - width - 8
                    anchors.verticalCenter: parent.verticalCenter
                    width: 16
                    height: 16
                    source: "../Images/icon_dropdown.png"
                    Accessible.ignored: true
                }
                background: Rectangle {
                    radius: 3
                    color: Theme.brand.comboFill
                    border.color: Theme.brand.fieldBorder
                }
                FocusRing {}
                contentItem: Text {
                    leftPadding: 10
                    verticalAlignment: Text.AlignVCenter
                    text: language_box.displayText
                    font: language_box.font
                    color: main.contentcolor
                }
                // The open list: a dialog named as the box (a plain popup
                // is an unnamed one to a reader), its entries a list.
                popup: Dialog {
                    title: qsTr("Language")
                    header: null
                    footer: null
                    y: language_box.height
                    width: language_box.width
                    height: Math.min(contentItem.implicitHeight + 2, setting.height - topMargin - bottomMargin)
                    topMargin: 6
                    bottomMargin: 6
                    padding: 1
                    contentItem: ListView {
                        clip: true
                        implicitHeight: contentHeight
                        model: language_box.popup.visible ? language_box.delegateModel : null
                        currentIndex: language_box.highlightedIndex
                        highlightMoveDuration: 0
                        Accessible.role: Accessible.List
                        Accessible.name: qsTr("Language")
                    }
                    background: Rectangle {
                        radius: 3
                        color: Theme.brand.comboFill
                        border.color: Theme.brand.fieldBorder
                    }
                }
                // Each entry a list item named in its own language, the
                // current one selected, so a reader can choose by ear.
                delegate: ItemDelegate {
                    width: language_box.width
                    height: 30
                    highlighted: language_box.highlightedIndex === index
                    text: model.text
                    font: language_box.font
                    Accessible.role: Accessible.ListItem
                    Accessible.name: model.text
                    Accessible.selectable: true
                    Accessible.selected: language_box.currentIndex === index
                    background: Rectangle {
                        color: parent.highlighted ? Theme.brand.comboHighlight : Theme.brand.comboFill
                    }
                    contentItem: Text {
                        text: model.text
                        font: language_box.font
                        verticalAlignment: Text.AlignVCenter
                        color: main.contentcolor
                    }
                }
                onActivated: {
                    if (index !== main.language)
                        setting.changeLanguage()
                    focus = false
                }
            }
        }

        PreferenceRow {
            title: qsTr("About Us")
            Column {
                spacing: 12
                // logo.png is the sister brand's; the maker shows its icon
                // and its word.
                Row {
                    spacing: 8
                    IconButton {
                        name: setting.about.legalName
                        source: setting.maker ? "../Images/app.png" : "../Images/logo.png"
                        height: 32
                        width: setting.maker ? 32 : implicitWidth * height / Math.max(1, implicitHeight)
                        onClicked: Qt.openUrlExternally(Links.site(main.company))
                    }
                    StaticText {
                        visible: setting.maker
                        anchors.verticalCenter: parent.verticalCenter
                        text: main.company
                        font.pixelSize: 22
                        font.bold: true
                        color: Theme.vemo.frame
                    }
                }
                StaticText {
                    text: setting.about.legalName
                    font.pixelSize: 14
                    color: main.contentcolor
                }
                Row {
                    spacing: 16
                    Repeater {
                        model: setting.networkIcons.length
                        IconButton {
                            name: setting.networkNames[index]
                            source: "../Images/iconmonstr-" + setting.networkIcons[index] + ".png"
                            width: 20
                            height: 20
                            onClicked: Qt.openUrlExternally(setting.about.networks[index])
                        }
                    }
                }
            }
        }
    }
}
