import QtQuick 2.15
import QtQuick.Controls 2.15
// Qt.labs.platform: its file dialog can offer a file name, the one of
// QtQuick.Dialogs only a folder.
import Qt.labs.platform 1.1 as Platform
import com.vemo.portview 1.0
import "Maintenance.js" as Maintenance

// The Maintenance page: the switch's firmware version with the check for a
// newer one, and the backup and restore of this model's settings in an
// encrypted ".kvm" file.
Rectangle {
    id: maintenance_page
    objectName: "maintenance_page"
    color: main.bgcolor

    readonly property bool windows: Qt.platform.os === "windows"
    // The firmware query (Codes.CheckState); the frame sets it back.
    property int ischecking: Codes.CheckIdle
    // Why the last query failed: "network", "server" or "answer" (the frame
    // sets it with the state).
    property string checkFault: ""

    // The frame starts the firmware query when the page asks for it.
    signal firmwareCheckWanted()

    ListModel { id: backup_model }
    readonly property alias backupModel: backup_model

    function loadkbfuncList(func_type) {
        if (func_type !== "backup")
            return
        backup_model.append({ title: qsTr("Backup"), content: qsTr("Make a local copy of your device settings."),
                              value: 1, act_type: "button", act_name: qsTr("Backup"), show: 1 })
        backup_model.append({ title: qsTr("Restore Device"), content: qsTr("Restore device settings from your backup."),
                              value: 1, act_type: "button", act_name: qsTr("Restore"), show: 1 })
    }

    function check() {
        ischecking = Codes.Checking
        firmwareCheckWanted()
    }

    function showResult(title, message) {
        main.showNotice(title, message, dialog_loader)
    }

    // Backups and restores open where the last one of this run was made,
    // else in the documents folder. A backup is offered a new name (the model
    // and today's date), never the file last used, which it would overwrite.
    function openDialog(forBackup) {
        var dialog = forBackup ? backup_dialog : restore_dialog
        var folder = main.lastpath !== "" ? Maintenance.folderOf(main.lastpath)
                                          : Maintenance.fileUrl(encrypt.get_userdocument_path())
        function place() {
            dialog.folder = folder
            if (forBackup)
                dialog.currentFile = folder + Maintenance.backupName(main.dev_model, new Date())
        }
        // Native dialogs take the folder and name when they open, the widget
        // one only once it exists, which is after its first opening.
        place()
        dialog.open()
        place()
    }

    function saveTolocal(path) {
        io.source = encrypt.get_userappdata_path()
        io.text = Maintenance.backupText(main.dev_model, main.hotkey_list, main.silent_remove, main.safely_remove)
        io.write()
        var local = Maintenance.withBackupExtension(Maintenance.localPath(path, windows))
        var done = local !== "" && encrypt.encrypt_file(local)
        // The settings never stay in clear text beside the encrypted copy,
        // also when encrypting failed before it got to removing them.
        encrypt.delete_tempfile()
        if (done)
            main.lastpath = path
        else
            console.log("backup failed:", path)
        showResult(qsTr("Backup"), done ? qsTr("Backup successfully!") : qsTr("Failed to backup setting."))
    }

    // A file's text, or "" when it cannot be read. A working file that
    // cannot be read must not leave an earlier text to be taken for it.
    function readText(url) {
        io.source = url
        io.text = ""
        io.read()
        return io.text
    }

    // The settings of the backup at `path` (`local` as a local path), or the reason there are none:
    // { fault: "file" } when it is no backup file at all (every backup
    // container starts with "GVLU"), "damaged" when it does not decrypt or
    // read, "model" when it holds another model's settings.
    function readBackup(path, local) {
        if (local === "" || readText(Maintenance.fileUrl(path)).substring(0, 4) !== "GVLU")
            return { fault: "file" }
        if (!encrypt.decrypt_file(local))
            return { fault: "damaged" }
        var text = readText(encrypt.get_userappdata_path())
        encrypt.delete_tempfile()
        var settings = Maintenance.parseBackup(text, main.dev_model, function (hotkey) { return monitor.isValidHotkey(hotkey) })
        return settings !== null ? settings : { fault: Maintenance.backupFault(text, main.dev_model) }
    }

    function loadFile(path) {
        var local = Maintenance.localPath(path, windows)
        var name = local.substring(local.lastIndexOf("/") + 1)
        var settings = readBackup(path, local)
        if (settings.fault !== undefined) {
            console.log("restore failed:", settings.fault, path)
            var reasons = { file: qsTr("The file is not a settings backup."),
                            damaged: qsTr("The backup file is damaged."),
                            model: qsTr("The backup was made for another model.") }
            main.showNotice(qsTr("Restore Device"), qsTr("Failed to restore setting."), dialog_loader,
                            reasons[settings.fault])
            return
        }
        main.hotkey_list = settings.hotkey
        main.silent_remove = settings.silent
        main.safely_remove = settings.safely
        main.applysetting()
        main.lastpath = path
        showResult(qsTr("Restore Device"), qsTr("Setting from [@] restored successfully!").replace("@", name))
    }

    Component.onCompleted: {
        backup_model.clear()
        loadkbfuncList("backup")
    }

    Platform.FileDialog {
        id: backup_dialog
        title: qsTr("Input the file name")
        fileMode: Platform.FileDialog.SaveFile
        nameFilters: [qsTr("List Files (*.kvm)")]
        // A name typed without the extension still gets it (saveTolocal adds
        // it where the folder's name has a dot), so that Restore lists it.
        defaultSuffix: "kvm"
        onAccepted: maintenance_page.saveTolocal(file.toString())
    }

    Platform.FileDialog {
        id: restore_dialog
        title: qsTr("Select a file")
        fileMode: Platform.FileDialog.OpenFile
        nameFilters: [qsTr("List Files (*.kvm)")]
        onAccepted: maintenance_page.loadFile(file.toString())
    }

    Column {
        id: sections
        x: 53
        y: 30
        width: 614 - 53 - 20
        spacing: 30

        StaticText {
            text: qsTr("About")
            font.pixelSize: 20
            font.bold: true
            color: main.titlecolor
        }

        Item {
            width: parent.width
            height: version_texts.height
            Column {
                id: version_texts
                // Beside the button: a longer translation wraps.
                width: parent.width - check_button.width - 16
                spacing: 4
                StaticText {
                    width: parent.width
                    wrapMode: Text.WordWrap
                    text: qsTr("Firmware Version") + " " + main.dev_version
                    font.pixelSize: 15
                    font.bold: true
                    color: main.contentcolor
                }
                StaticText {
                    width: parent.width
                    wrapMode: Text.WordWrap
                    text: maintenance_page.ischecking === Codes.Checking ? qsTr("Checking") + "..."
                        : maintenance_page.ischecking !== Codes.CheckFailed ? qsTr("Check for latest version.")
                        : maintenance_page.checkFault === "server" ? qsTr("Failed: the firmware service reported an error, please try again later.")
                        : maintenance_page.checkFault === "answer" ? qsTr("Failed: the firmware service's answer could not be read.")
                                                            : qsTr("Failed, please confirm the network connection.")
                    font.pixelSize: 13
                    color: maintenance_page.ischecking === Codes.CheckFailed ? Theme.brand.errorText : main.contentcolor
                    opacity: maintenance_page.ischecking === Codes.CheckFailed ? 1 : 0.72
                }
            }
            TextButton {
                id: check_button
                anchors.right: parent.right
                anchors.verticalCenter: parent.verticalCenter
                least: 94
                height: 29
                enabled: maintenance_page.ischecking !== Codes.Checking
                text: maintenance_page.ischecking === Codes.Checking ? "" : qsTr("Check")
                Accessible.name: qsTr("Check")
                onClicked: maintenance_page.check()
                AnimatedImage {
                    anchors.centerIn: parent
                    width: 20
                    height: 20
                    visible: maintenance_page.ischecking === Codes.Checking
                    playing: visible
                    source: "../Images/upload_progress.gif"
                    Accessible.ignored: true
                }
            }
        }

        Rectangle {
            width: parent.width
            height: 1
            color: main.titlecolor
            opacity: 0.4
        }

        StaticText {
            text: qsTr("Backup")
            font.pixelSize: 20
            font.bold: true
            color: main.titlecolor
        }

        Repeater {
            model: backup_model
            delegate: Item {
                visible: model.show === 1
                width: sections.width
                height: Math.max(row_texts.height, 29)
                RowTexts {
                    id: row_texts
                    width: parent.width - backup_button.width - 16
                    title: model.title
                    content: model.content
                }
                TextButton {
                    id: backup_button
                    anchors.right: parent.right
                    anchors.verticalCenter: parent.verticalCenter
                    least: 94
                    height: 29
                    text: model.act_name
                    onClicked: maintenance_page.openDialog(index === 0)
                }
            }
        }
    }
}
