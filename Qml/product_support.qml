import QtQuick 2.15
import QtQuick.Controls 2.15
import com.vemo.portview 1.0
import "Links.js" as Links

// The Support page: the help resources, each with its button or launch icon.
// One reopens the first-run guide, the maker's FAQ opens in the frame, the
// rest are web pages in the default browser.
Rectangle {
    id: support_page
    color: main.bgcolor

    readonly property bool maker: Theme.maker
    // Another page of the frame in place of this one.
    signal pageWanted(string page)

    ListModel { id: support_model }

    function loadkbfuncList(func_type) {
        if (func_type !== "support")
            return
        support_model.append({ title: qsTr("Quick Start Guide"),
                               content: qsTr("Assist you to quickly understand and use the device."),
                               act_type: "button", act_name: qsTr("Start"), act_value: 0, show: 1 })
        support_model.append({ title: qsTr("User Manual"), content: qsTr("The complete user manual."),
                               act_type: "image", act_name: "ic_launch.png", act_value: 0, show: maker ? 1 : 0 })
        support_model.append({ title: maker ? qsTr("FAQ") : qsTr("Knowledgebase and Customer Support"),
                               content: qsTr("Look up FAQ to help you solve the problems."),
                               act_type: "button", act_name: qsTr("FAQ"), act_value: 0, show: 1 })
        support_model.append({ title: maker ? qsTr("eService Help") : qsTr("Support & Additional Contacts"),
                               content: maker ? qsTr("Connect to eService to report the problems.")
                                              : qsTr("To access the contact information for Service Support."),
                               act_type: "image", act_name: "ic_launch.png", act_value: 0, show: 1 })
        support_model.append({ title: qsTr("Log Export"),
                               content: qsTr("Attach log files can help customer service solve your problems faster."),
                               act_type: "button", act_name: qsTr("Export"), act_value: 0, show: 0 })
    }

    // What a row's button or icon does, by the row's index.
    function rowAction(index) {
        if (index === 0) {
            // The guide's "Finish" then opens the frame on "Support" again.
            setQml.para = "support"
            main.loadPage(setQml, main.guidePage)
            setQml.visible = true
        } else if (index === 2 && maker) {
            pageWanted("product_faq.qml")
        } else {
            openPage(Links.supportPage(main.company, index))
        }
    }

    function openPage(address) {
        if (address === "")
            return
        console.log("open web page", address)
        if (!Qt.openUrlExternally(address))
            console.log("no browser took the web page", address)
    }

    Component.onCompleted: {
        support_model.clear()
        loadkbfuncList("support")
        loadkbfuncList("system")
    }

    Flickable {
        id: scroller
        width: 614
        height: parent.height
        contentWidth: width
        contentHeight: sections.height + 60
        clip: true
        boundsBehavior: Flickable.StopAtBounds
        ScrollBar.vertical: ScrollBar {
            policy: scroller.contentHeight > scroller.height ? ScrollBar.AlwaysOn : ScrollBar.AlwaysOff
            Accessible.name: qsTr("Support")
        }

        Column {
            id: sections
            x: 53
            y: 30
            width: parent.width - 53 - 20
            spacing: 30

            StaticText {
                text: qsTr("Support")
                font.pixelSize: 20
                font.bold: true
                color: main.titlecolor
            }

            Repeater {
                model: support_model
                delegate: supportRow
            }
        }
    }

    Component {
        id: supportRow
        Item {
            id: row
            readonly property int rowIndex: index
            visible: model.show === 1
            width: sections.width
            height: visible ? Math.max(texts.height, 29) : 0

            // Beside the row's control: a longer translation wraps.
            RowTexts {
                id: texts
                width: parent.width - Math.max(row_button.visible ? row_button.width : 0, 70) - 16
                title: model.title
                content: model.content
            }

            TextButton {
                id: row_button
                visible: model.act_type === "button"
                anchors.right: parent.right
                anchors.verticalCenter: parent.verticalCenter
                least: 94
                height: 29
                text: model.act_name
                onClicked: support_page.rowAction(row.rowIndex)
            }

            IconButton {
                visible: model.act_type === "image"
                anchors.right: parent.right
                anchors.rightMargin: 35
                anchors.verticalCenter: parent.verticalCenter
                width: 24
                height: 24
                name: model.title
                source: model.act_type === "image" ? "../Images/" + model.act_name : ""
                onClicked: support_page.rowAction(row.rowIndex)
            }

            SettingSwitch {
                visible: model.act_type === "switch"
                anchors.right: parent.right
                anchors.verticalCenter: parent.verticalCenter
                name: model.title
                checked: model.act_value === 1
                onClicked: support_page.rowAction(row.rowIndex)
            }
        }
    }
}
