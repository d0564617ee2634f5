import QtQuick 2.15
import QtQuick.Controls 2.15
import com.vemo.portview 1.0

// The first-run guide: the hardware, then the installation, then a closing
// page; "Skip" or "Finish" leaves it for the device frame. Both brands'
// guide documents are this page in their own colours.
Rectangle {
    id: dev_guide
    // Each brand's guide document sets it.
    property bool maker: Theme.maker
    property int step: -1
    readonly property var colours: maker ? Theme.vemo : Theme.hollin
    readonly property color textColour: colours.guideText
    readonly property color rowColour: colours.guide

    color: colours.guide

    ListModel { id: step_model }

    function initStep(guide) {
        step_model.clear()
        var steps = guide === "hardware"
                ? [qsTr("USB Type-A ports"), qsTr("jack for port switch button"), qsTr("DisplayPort out"),
                   qsTr("USB-C port (source 2)"), qsTr("USB-C port (source 1)"), qsTr("USB-C port (power)*"),
                   qsTr("power jack"), qsTr("port 1 status LED"), qsTr("port 2 status LED")]
                : [qsTr("Connect up to 4 USB peripherals such as a USB mouse, USB keyboard, printer, or external hard drive to the unit’s USB Type-A ports."),
                   qsTr("Connect a USB-C source device to the unit’s USB-C port (source 1)."),
                   qsTr("Connect another USB-C source device to the unit’s USB-C port (source 2)."),
                   qsTr("Connect a DisplayPort-enabled display to the unit’s DisplayPort output port."),
                   qsTr("Connect the supplied port switch button to the indicated jack."),
                   qsTr("Connect the power adapter to the unit’s power jack."),
                   qsTr("(Optional) You can connect your source device to the USB-C port (power) for PD laptop charging.")]
        var note = guide === "hardware"
                ? qsTr("This USB-C port (power) supports USB-C PD laptop charging at 5V, 9V, 15V, and 20V output, and the USB-C power adapter is not supplied in the package.")
                : qsTr("For device charging, a Limited Power Source (LPS) certified USB-C PD Power Adapter over 65 watts is recommended. The system power requirement for basic USB functions and video output should be at least 5V, 3A.")
        for (var i = 0; i < steps.length; ++i)
            step_model.append({ mode: "step", step_text: steps[i] })
        step_model.append({ mode: "note", step_text: note })
    }

    function changebtnStatus() {
        if (step === -1) {
            heading.text = qsTr("Hardware Overview")
            picture.source = "../Images/hardware.png"
            initStep("hardware")
        } else if (step === 0) {
            heading.text = qsTr("Installation")
            picture.source = "../Images/installation.png"
            initStep("installation")
        } else if (step >= 2) {
            goSetting()
        }
    }

    function goSetting() {
        console.log("para", setQml.para)
        main.loadPage(setQml, "product_frame.qml")
        setQml.visible = true
    }

    function go(newStep) {
        step = newStep
        changebtnStatus()
    }

    Component.onCompleted: changebtnStatus()

    Rectangle {
        id: title_strip
        width: parent.width
        height: 32
        color: dev_guide.colours.guideStrip

        StaticText {
            id: skip_link
            anchors.right: parent.right
            anchors.rightMargin: 40
            anchors.verticalCenter: parent.verticalCenter
            text: qsTr("Skip")
            font.pixelSize: 14
            font.bold: true
            font.underline: true
            color: main.btncolor
            Accessible.role: Accessible.Button
            Accessible.onPressAction: dev_guide.go(2)
            Accessible.focusable: true
            activeFocusOnTab: true
            Keys.onSpacePressed: dev_guide.go(2)
            Keys.onReturnPressed: dev_guide.go(2)
            FocusRing {}
            MouseArea {
                anchors.fill: parent
                cursorShape: Qt.PointingHandCursor
                onClicked: dev_guide.go(2)
            }
        }
    }

    Item {
        id: content
        anchors.top: title_strip.bottom
        anchors.bottom: bottom_bar.top
        width: parent.width

        StaticText {
            id: heading
            visible: dev_guide.step < 1
            x: 40
            y: 20
            font.pixelSize: 20
            font.bold: true
            color: dev_guide.textColour
        }

        Image {
            id: picture
            visible: dev_guide.step < 1
            x: 40
            anchors.top: heading.bottom
            anchors.topMargin: 20
            width: 440
            height: 300
            fillMode: Image.PreserveAspectFit
            Accessible.role: Accessible.Graphic
            Accessible.name: heading.text
        }

        ListView {
            id: step_list
            visible: dev_guide.step < 1
            anchors.left: picture.right
            anchors.leftMargin: 20
            anchors.right: parent.right
            anchors.rightMargin: 40
            anchors.top: picture.top
            anchors.bottom: parent.bottom
            anchors.bottomMargin: 10
            clip: true
            boundsBehavior: Flickable.StopAtBounds
            model: step_model
            delegate: stepRow
            // The steps are a list to a reader, under the page's heading.
            Accessible.role: Accessible.List
            Accessible.name: heading.text
            ScrollBar.vertical: ScrollBar {
                policy: step_list.contentHeight > step_list.height ? ScrollBar.AlwaysOn : ScrollBar.AlwaysOff
                Accessible.name: heading.text
            }
        }

        Column {
            visible: dev_guide.step === 1
            anchors.centerIn: parent
            spacing: 20
            StaticText {
                anchors.horizontalCenter: parent.horizontalCenter
                width: 350
                horizontalAlignment: Text.AlignHCenter
                wrapMode: Text.WordWrap
                // Each brand names its own program and switch.
                text: qsTr("Make sure each device has installed @ Portview and connected to @ KVM correctly.")
                      .replace(/@/g, main.company)
                font.pixelSize: 15
                color: dev_guide.textColour
            }
            Image {
                anchors.horizontalCenter: parent.horizontalCenter
                width: 550
                height: 250
                source: "../Images/flow.png"
                Accessible.role: Accessible.Graphic
                Accessible.name: qsTr("Computers connected to the switch")
            }
            StaticText {
                anchors.horizontalCenter: parent.horizontalCenter
                text: qsTr("Can be found at [Support] -> [Quick Start Guide]")
                font.pixelSize: 13
                opacity: 0.72
                color: dev_guide.textColour
            }
        }
    }

    Component {
        id: stepRow
        Rectangle {
            width: ListView.view.width
            height: row_text.height + 16
            color: row_mouse.containsMouse ? dev_guide.colours.guideHover : dev_guide.rowColour
            // One paragraph for a reader: the callout number (or "Note")
            // spoken with its text, the parts on screen left out of the tree.
            Accessible.role: Accessible.StaticText
            Accessible.name: (model.mode === "step" ? String(index + 1) : note_word.text) + " " + row_text.Accessible.name

            Rectangle {
                id: number
                x: 8
                anchors.verticalCenter: parent.verticalCenter
                width: 24
                height: 24
                radius: 12
                color: model.mode === "step" ? dev_guide.colours.guideStep : "transparent"
                StaticText {
                    anchors.centerIn: parent
                    text: model.mode === "step" ? String(index + 1) : ""
                    visible: model.mode === "step"
                    Accessible.ignored: true
                    font.pixelSize: 12
                    font.bold: true
                    color: "white"
                }
            }
            StaticText {
                id: note_word
                visible: model.mode === "note"
                anchors.left: parent.left
                anchors.leftMargin: 8
                anchors.verticalCenter: parent.verticalCenter
                text: qsTr("Note")
                Accessible.ignored: true
                font.pixelSize: 14
                font.bold: true
                color: dev_guide.colours.guideNote
            }
            StaticText {
                id: row_text
                anchors.left: model.mode === "note" ? note_word.right : number.right
                anchors.leftMargin: 12
                anchors.right: parent.right
                anchors.rightMargin: 8
                anchors.verticalCenter: parent.verticalCenter
                text: model.step_text
                Accessible.ignored: true
                wrapMode: Text.WordWrap
                font.pixelSize: 14
                color: dev_guide.textColour
            }
            Rectangle {
                anchors.bottom: parent.bottom
                width: parent.width
                height: 1
                color: Theme.guideLine
            }
            MouseArea {
                id: row_mouse
                anchors.fill: parent
                hoverEnabled: true
            }
        }
    }

    Rectangle {
        id: bottom_bar
        anchors.bottom: parent.bottom
        width: parent.width
        height: 80
        color: dev_guide.color

        Row {
            anchors.centerIn: parent
            spacing: dev_guide.step === -1 ? 0 : 20

            GuideButton {
                visible: dev_guide.step !== -1
                width: visible ? implicitWidth : 0
                text: qsTr("Back")
                arrow: "../Images/ic_arrow_left.png"
                onClicked: dev_guide.go(dev_guide.step - 1)
            }
            GuideButton {
                text: dev_guide.step === 1 ? qsTr("Finish") : qsTr("Next")
                fill: dev_guide.step === 1 ? Theme.guideFinish : Theme.guideButton
                arrow: "../Images/ic_arrow_right.png"
                arrowAfter: true
                onClicked: dev_guide.go(dev_guide.step + 1)
            }
        }
    }
}
