import QtQuick 2.15
import QtQuick.Controls 2.15
import com.vemo.quickdownload 1.0
import com.vemo.portview 1.0
import "Maintenance.js" as Maintenance

// The offer of a newer firmware: its licence terms, then the download of the
// upgrade tool with its progress, the check that the file is the tool, and
// the switch put into upgrade mode; the main window starts the tool.
Item {
    id: upgrade_rec
    objectName: "upgrade_rec"

    readonly property bool windows: Qt.platform.os === "windows"
    // The tool's file name in the temporary folder ("" when the URL gives none
    // that stays there).
    property string name: ""
    // Set when the page stops the download itself: the abort it reports then
    // is no failure to show.
    property bool stopping: false
    // From the start of the download until the switch is in upgrade mode or
    // the download failed or was cancelled.
    property bool downloading: false

    function closeUI() {
        upgrade_loader.visible = false
        upgrade_loader.source = ""
    }

    function remember(autocheck) {
        io.setIni(main.dev_model, "autocheck", autocheck)
    }

    function fail(message, loader) {
        downloading = false
        main.showNotice(qsTr("Error"), message, loader)
        closeUI()
    }

    function errorDialog() {
        fail(qsTr("Fail to download file. Please check your internet connection and try again later."), dialog_loader)
    }

    // A downloaded tool that will not be started goes at once: refused by
    // the check, or left behind by an upgrade that did not begin.
    function discardTool() {
        if (name !== "" && process.removeTemporary("/" + name))
            console.log("removed the unused download", name)
    }

    // The switch left while the tool was being fetched: its frame and this
    // page go with it, and the window says why the download ended.
    Component.onDestruction: {
        if (timer.running)
            discardTool()
        if (downloading && !main.dev_status) {
            console.log("the switch left during the download: download ended")
            main.showNotice(qsTr("Error"), qsTr("The switch was disconnected, so the download has ended."),
                            undefined, qsTr("Connect the switch again and check for the new firmware again."))
        }
    }

    // The tool's place in the temporary folder, as a URL. The name is the
    // URL's last segment decoded once; the file URL escapes it itself, so a
    // space, "%" or "ü" names the same file for saving, checking and starting.
    function toolUrl() {
        return io.gettempfilepath(name)
    }

    function download() {
        remember("1")
        name = Maintenance.plainFileName(main.upgrade_url)
        if (name === "" || !Maintenance.toolUrlAllowed(main.upgrade_url, firmware_url !== "")) {
            console.log("refused to download the upgrade tool from", main.upgrade_url)
            fail(qsTr("Firmware upgrade file open failed."), dialog_loader)
            return
        }
        offer_card.visible = false
        progress_card.visible = true
        downloading = true
        update_download.url = main.upgrade_url
        update_download.destination = toolUrl()
        update_download.start()
    }

    function stopDownload() {
        stopping = true
        update_download.stop()
    }

    function cancel() {
        downloading = false
        stopDownload()
        closeUI()
    }

    function doupgarde() {
        // Taken before the check: a file changed after it no longer matches.
        var identity = process.fileIdentity("/" + name)
        var info = process.getFileInfo(Maintenance.localPath(toolUrl(), windows))
        console.log("fileName", info.ProductName)
        if (identity === "" || info.ProductName !== "Firmware Upgrade Utility") {
            console.log("Isn't upgrade file")
            discardTool()
            fail(qsTr("Firmware upgrade file open failed."), dialog_Qml)
            return
        }
        if (!monitor.postCmd(Codes.UpgradeMode) && !monitor.upgradeModeEntered()) {
            console.log("Can't into upgrade mode")
            discardTool()
            fail(qsTr("Set upgrade mode failed, please check the device connection."), dialog_loader)
            return
        }
        // The main window starts the tool; its timer outlives this page. It
        // starts exactly the file checked here, never a name taken again from
        // a later offer, and only while it is still the file checked.
        downloading = false
        main.startUpgradeTimer(name, identity)
        closeUI()
    }

    Download {
        id: update_download
        objectName: "update_download"
        followRedirects: true
        overwrite: true
        running: false
        // Every redirect is held to the rule of the offered address.
        plainLoopback: firmware_url !== ""
        requireLength: true
        stallTimeout: main.timeout
        onStarted: console.log("Started download")
        onRedirected: console.log("Redirected", redirectUrl)
        // A failure is shown at once: the server's, the network's, a stall,
        // an answer without its length, or the temporary folder's, which is
        // no network failure.
        onError: {
            console.log("error:", errorString)
            if (upgrade_rec.stopping)
                return
            if (errorCode === 2)
                upgrade_rec.fail(qsTr("The upgrade tool could not be saved: the temporary folder is full or read-only."),
                                 dialog_loader)
            else if (errorString === "No length given")
                upgrade_rec.fail(qsTr("Firmware upgrade file open failed."), dialog_loader)
            else
                upgrade_rec.errorDialog()
        }
        onProgressChanged: {
            if (progress > 0) {
                progress_bar.value = progress * 100
                console.log("progress:", progress)
            }
        }
        onFinished: {
            console.log("download success, start upgrade")
            timer.start()
        }
    }

    Timer {
        id: timer
        interval: 1000
        repeat: false
        onTriggered: upgrade_rec.doupgarde()
    }

    Mask { z: 0 }

    UpgradeOffer {
        id: offer_card
        anchors.centerIn: parent
        onAnswered: {
            upgrade_rec.remember(autocheck)
            upgrade_rec.closeUI()
        }
        onDownloadWanted: upgrade_rec.download()
    }

    // --- the download ------------------------------------------------------------

    Rectangle {
        id: progress_card
        visible: false
        width: 540
        height: 220
        anchors.centerIn: parent
        radius: 5
        color: "white"
        // Escape cancels the download as "Cancel" does.
        Accessible.role: Accessible.Dialog
        Accessible.name: qsTr("Downloading")
        Keys.onEscapePressed: upgrade_rec.cancel()
        DialogFocus { first: progress_cancel }

        StaticText {
            anchors.left: parent.left
            anchors.leftMargin: 40
            anchors.verticalCenter: progress_close.verticalCenter
            text: qsTr("Downloading") + "..."
            font.pixelSize: 18
            font.bold: true
            color: "black"
        }
        IconButton {
            id: progress_close
            name: qsTr("Close")
            source: "../Images/icon_x.png"
            width: 32
            height: 32
            anchors.top: parent.top
            anchors.topMargin: 12
            anchors.right: parent.right
            anchors.rightMargin: 12
            onClicked: upgrade_rec.cancel()
            KeyNavigation.backtab: progress_cancel
        }
        StaticText {
            id: file_text
            x: 40
            anchors.top: progress_close.bottom
            anchors.topMargin: 14
            text: main.dev_model + "_" + main.new_ver
            textFormat: Text.PlainText // the server's text, never markup
            font.pixelSize: 14
            color: Theme.offerText
        }
        ProgressBar {
            id: progress_bar
            x: 40
            anchors.top: file_text.bottom
            anchors.topMargin: 14
            width: 460
            height: 6
            from: 0
            to: 100
            value: 0
            Accessible.name: qsTr("Download progress")
            background: Rectangle {
                implicitWidth: 460
                implicitHeight: 6
                radius: 3
                color: Theme.progressTrack
            }
            contentItem: Item {
                implicitWidth: 460
                implicitHeight: 6
                Rectangle {
                    width: progress_bar.visualPosition * parent.width
                    height: parent.height
                    radius: 3
                    color: Theme.progressFill
                }
            }
        }
        StaticText {
            anchors.right: progress_bar.right
            anchors.top: progress_bar.bottom
            anchors.topMargin: 8
            text: Maintenance.percentText(update_download.progress)
            font.pixelSize: 13
            color: Theme.offerText
        }
        TextButton {
            id: progress_cancel
            KeyNavigation.tab: progress_close
            width: 120
            height: 36
            anchors.bottom: parent.bottom
            anchors.bottomMargin: 24
            anchors.horizontalCenter: parent.horizontalCenter
            fill: Theme.offerQuiet
            labelColor: Theme.offerQuietText
            text: qsTr("Cancel")
            onClicked: upgrade_rec.cancel()
        }
    }
}
