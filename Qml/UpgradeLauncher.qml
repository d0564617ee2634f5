import QtQuick 2.15

// The upgrade tool's start and its end. The upgrade page has put the switch
// into upgrade mode; the tool starts a little later, from the window, so the
// timer outlives that page. The texts keep the window's translation context.
Item {
    id: launcher
    visible: false
    property var session
    // The tool file the upgrade page checked, in the temporary folder, and
    // what it was then (ProcessInfo.fileIdentity).
    property string toolName: ""
    property string toolIdentity: ""

    Timer {
        id: open_timer
        interval: 3000
        repeat: false
        onTriggered: launcher.openTool()
    }

    function start(checkedName, identity) {
        // A tool that was waiting to start gives way, and goes.
        if (open_timer.running && toolName !== checkedName)
            process.removeTemporary("/" + toolName)
        toolName = checkedName
        toolIdentity = identity
        session.upgradeStarted()
        open_timer.start()
    }

    // The tool lies in the temporary folder under the name the upgrade page
    // checked, and starts only while it is the file checked (a file changed
    // or replaced since starts nothing). When it does not start, the switch
    // is left in upgrade mode:
    // say how to leave it, and offer to start the tool again.
    function openTool() {
        var name = toolName
        if (name !== "" && process.openCheckedProcess("/" + name, toolIdentity))
            return
        console.log("the upgrade tool did not start:", name)
        main.showConfirm({ title: qsTranslate("main", "Error"),
                           msg: qsTranslate("main", "Firmware upgrade file open failed."),
                           detail: qsTranslate("main", "The switch stays in upgrade mode: unplug it and plug it in again to leave "
                                               + "upgrade mode, or start the upgrade tool again."),
                           dobtn: qsTranslate("main", "Start Again"), cancelbtn: qsTranslate("main", "Close"),
                           dofunc: launcher.openTool, cancelfunc: null, closefunc: null, showicon: 0, icon: 0 })
    }

    // The switch is back after the upgrade: name what it now reports.
    function ended(changed, version) {
        main.showNotice(qsTranslate("main", "Firmware Upgrade"),
                        (changed ? qsTranslate("main", "The switch now reports firmware version @.")
                                 : qsTranslate("main", "The switch still reports firmware version @: the firmware is unchanged."))
                        .replace("@", version))
    }
}
