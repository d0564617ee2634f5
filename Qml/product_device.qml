import QtQuick 2.15
import QtQuick.Controls 2.15
import com.vemo.portview 1.0

// The Device page: the switch hotkey, the switch-mode and USB settings and
// the factory reset. The switch is spoken to only through `monitor`.
Rectangle {
    id: device_page
    color: main.bgcolor

    // The frame starts the firmware query when the page asks for it.
    signal firmwareCheckWanted()

    ListModel { id: hotkey_model }
    ListModel { id: setting_model }
    readonly property alias hotkeyModel: hotkey_model
    readonly property alias settingModel: setting_model

    function loadkbfuncList(func_type) {
        if (func_type !== "setting")
            return
        setting_model.append({ act_name: "video", title: qsTr("Video Fitwell"),
                               content: qsTr("Eliminate boot-up display problems and optimize resolutions."),
                               warning: qsTr("Note: If you encounter any monitor compatibility issues when the Video Fitwell is enabled, please disable Video Fitwell."),
                               act_value: 0, act_type: "switch", show: Theme.maker ? 1 : 0 })
        setting_model.append({ act_name: "lane", title: qsTr("DP lane "),
                               content: qsTr("Select suitable DP Lanes for current port."), warning: "",
                               act_value: 0, act_type: "combobox", show: 0 })
        setting_model.append({ act_name: "silent", title: qsTr("USB Silent Removal"),
                               content: qsTr("Remove your USB devices without system prompt sound."), warning: "",
                               act_value: 0, act_type: "switch", show: 1 })
        setting_model.append({ act_name: "safely", title: qsTr("USB Safely Removal"),
                               content: qsTr("Safely remove your USB devices."), warning: "",
                               act_value: 0, act_type: "switch", show: 0 })
    }

    function updateSettingUI() {
        if (!main.dev_status)
            return
        for (var i = 0; i < setting_model.count; ++i) {
            var name = setting_model.get(i).act_name
            if (name === "video")
                setting_model.setProperty(i, "act_value", main.dev_setting && main.dev_setting.smode === "faster" ? 1 : 0)
            else if (name === "silent")
                setting_model.setProperty(i, "act_value", main.silent_remove)
        }
    }

    function createhotkeyUI() {
        console.log("hotkey_list", main.hotkey_list)
        hotkey_model.clear()
        var keys = main.hotkey_list.split(" + ")
        if (keys.length > 1) {
            for (var i = 0; i < keys.length; ++i)
                hotkey_model.append({ keyvalue: keys[i] })
        } else {
            hotkey_model.append({ keyvalue: qsTr("Not set") })
        }
    }

    function showFailure() {
        main.showNotice(qsTr("The operation failed"),
                        qsTr("Failed to control the device, please check the device connection."), dialog_loader)
    }

    function sendtoDevice(type, value) {
        var done = false
        if (type === "lane") {
            done = monitor.postCmd(value === 0 ? Codes.TwoLane : Codes.FourLane)
        } else if (type === "silent") {
            setSilent(value)
            done = true
        }
        if (!done)
            showFailure()
        return done
    }

    function setSilent(flag) {
        main.applySilent(flag)
        main.silent_remove = flag ? 1 : 0
    }

    function applyVideo(row, on) {
        if (monitor.postCmd(on ? Codes.VideoFaster : Codes.VideoNormal))
            setting_model.setProperty(row, "act_value", on ? 1 : 0)
        else
            showFailure()
    }

    // A switch was clicked: the device decides whether it changes.
    function fastsw(row) {
        var setting = setting_model.get(row)
        var on = setting.act_value === 0 ? 1 : 0
        if (setting.act_name === "video") {
            if (on) {
                main.showConfirm({ title: qsTr("Note"),
                                   msg: qsTr("If you encounter any monitor compatibility issues when the Video Fitwell is enabled, please disable Video Fitwell."),
                                   dobtn: qsTr("OK"), cancelbtn: qsTr("Cancel"),
                                   dofunc: function () { device_page.applyVideo(row, 1) },
                                   cancelfunc: null, closefunc: null, showicon: 0, icon: 0 })
            } else {
                applyVideo(row, 0)
            }
        } else if (sendtoDevice(setting.act_name, on)) {
            setting_model.setProperty(row, "act_value", on)
        }
    }

    function askReset() {
        main.showConfirm({ title: qsTr("Reset to Default"),
                           msg: qsTr("Are you sure you want to reset the device setting to factory default?"),
                           dobtn: qsTr("Reset"), cancelbtn: qsTr("Cancel"), dofunc: device_page.resetDefault,
                           cancelfunc: null, closefunc: null, showicon: 0, icon: 0 }, dialog_loader)
    }

    function resetDefault() {
        main.hotkey_list = main.defaultHotkey
        monitor.setHotkey(main.hotkey_list)
        main.saveHotkey(main.hotkey_list)
        createhotkeyUI()
        setSilent(false)
        main.safely_remove = 0
        if (monitor.postCmd(Codes.FactoryReset))
            main.showNotice(qsTr("Reset success!"), qsTr("Reset to default successfully!"), dialog_loader)
        else
            main.showNotice(qsTr("Reset failed"),
                            qsTr("Failed to reset the device, please check the device connection."), dialog_loader)
        main.dev_setting = monitor.getSetting()
        updateSettingUI()
    }

    function editHotkey() {
        keys_loader.para = main.hotkey_list
        main.loadPage(keys_loader, "keys_control.qml")
        keys_loader.visible = true
    }

    Component.onCompleted: {
        setting_model.clear()
        loadkbfuncList("setting")
        main.dev_setting = monitor.getSetting()
        updateSettingUI()
        createhotkeyUI()
        if (main.auto_check === 1) {
            main.auto_check = 0
            // After this page is in its loader, where the frame listens.
            Qt.callLater(device_page.firmwareCheckWanted)
        }
    }
    Flickable {
        id: scroller
        width: 614
        height: parent.height
        contentWidth: width
        contentHeight: sections.height + 60
        clip: true
        boundsBehavior: Flickable.StopAtBounds
        ScrollBar.vertical: ScrollBar { policy: scroller.contentHeight > scroller.height ? ScrollBar.AlwaysOn : ScrollBar.AlwaysOff; Accessible.name: qsTranslate("product_frame", "Device") }
        ActivePortRow { x: sections.x + sections.width - width; y: sections.y }

        Column {
            id: sections
            x: 53
            y: 30
            width: parent.width - 53 - 20
            spacing: 30

            StaticText {
                text: qsTr("Settings")
                font.pixelSize: 20
                font.bold: true
                color: main.titlecolor
            }

            Column {
                width: parent.width
                spacing: 8
                RowTexts {
                    title: qsTr("Switch Hotkey")
                    content: qsTr("Hotkeys for switching between devices.")
                }
                Item {
                    width: parent.width
                    height: 29
                    Row {
                        anchors.verticalCenter: parent.verticalCenter
                        spacing: 8
                        Repeater {
                            model: hotkey_model
                            delegate: hotkeyChip
                        }
                    }
                    TextButton {
                        anchors.right: parent.right
                        least: 94
                        height: 29
                        text: qsTr("Edit")
                        onClicked: device_page.editHotkey()
                    }
                }
                // Never a silent dead hotkey (a refusing desktop, a failed hook).
                StaticText {
                    visible: monitor.hotkeyUnavailable
                    width: parent.width
                    wrapMode: Text.WordWrap
                    font.pixelSize: 13
                    color: main.contentcolor
                    text: qsTr("The desktop does not allow global shortcuts for this program.") + " "
                          + qsTr("Allow @ to use global shortcuts in your desktop's settings, or log in with an X11 session; until then the hotkey works only while the window has the focus.").replace("@", main.company + " Portview")
                }
            }

            Repeater {
                model: setting_model
                delegate: settingRow
            }

            Rectangle {
                width: parent.width
                height: 1
                color: main.titlecolor
                opacity: 0.4
            }

            StaticText {
                text: qsTr("System")
                font.pixelSize: 20
                font.bold: true
                color: main.titlecolor
            }

            Item {
                width: parent.width
                height: reset_texts.height
                RowTexts {
                    id: reset_texts
                    width: parent.width - reset_button.width
                    title: qsTr("Reset to Default")
                    content: qsTr("Reset the settings to default.")
                }
                TextButton { id: reset_button
                    anchors.right: parent.right
                    anchors.verticalCenter: parent.verticalCenter
                    least: 94
                    height: 29
                    text: qsTr("Reset")
                    onClicked: device_page.askReset()
                }
            }
        }
    }

    Component {
        id: hotkeyChip
        Rectangle {
            readonly property bool unset: hotkey_model.count === 1
            width: chip_text.implicitWidth + 24
            height: 27
            radius: 5
            color: Theme.brand.chip
            opacity: unset ? 0.6 : 1
            StaticText {
                id: chip_text
                anchors.centerIn: parent
                text: model.keyvalue
                font.pixelSize: 15
                font.bold: true
                color: parent.unset ? Theme.brand.chipUnsetText : Theme.brand.chipText
            }
        }
    }

    Component {
        id: settingRow
        Item {
            id: row
            readonly property int rowIndex: index
            readonly property int actValue: model.act_value
            readonly property string actType: model.act_type
            visible: model.show === 1
            width: sections.width
            height: visible ? Math.max(texts.height, 29) : 0

            RowTexts {
                id: texts
                width: 500
                title: model.title
                content: model.content
                warning: model.warning
            }

            SettingSwitch {
                visible: row.actType === "switch"
                anchors.right: parent.right
                y: 2
                name: model.title
                checked: row.actValue === 1
                onClicked: {
                    device_page.fastsw(row.rowIndex)
                    focus = false
                }
            }

            ComboBox {
                id: lane_box
                property int lastIndex: row.actValue
                property bool restore: false
                visible: row.actType === "combobox"
                anchors.right: parent.right
                width: 270
                model: [qsTr("2 Lane:support USB 3.0 up to 4K@60"), qsTr("4 Lane:support USB 2.0 up to 4K@60")]
                currentIndex: lastIndex
                Accessible.name: texts.title.trim()
                Accessible.description: displayText
                onActivated: {
                    if (index === lastIndex || restore)
                        return
                    if (device_page.sendtoDevice("lane", index)) {
                        lastIndex = index
                        setting_model.setProperty(row.rowIndex, "act_value", index)
                    } else {
                        restore = true
                        setting_model.setProperty(row.rowIndex, "act_value", lastIndex)
                        currentIndex = lastIndex
                        restore = false
                    }
                }
            }
        }
    }

    Connections {
        target: keys_loader.item
        ignoreUnknownSignals: true
        function onSaved() { device_page.createhotkeyUI() }
    }

    // The hotkey editor, above the whole frame below the window's title bar.
    Loader {
        id: keys_loader
        property var para
        x: -210
        y: -40
        width: 960
        height: 606
        z: 3
        visible: false
    }
}
