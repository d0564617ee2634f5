import QtQuick 2.15
import QtQuick.Window 2.15
import vemo.trayicon 1.0
import "Ports.js" as Ports

// The tray icon with its menu. It asks the window for what a person picked
// (`requested` with "" to show the window, "about" or "quit"). Built once
// the window is up: nobody needs it to see the switches.
Loader {
    id: tray_control
    property string title
    // The connected switch's model, "" when none is: the tooltip names it
    // and its active port (from the window's `monitor`).
    property string model
    readonly property string portText: Ports.label(monitor.activePort, monitor.portNames)
    readonly property string toolTip: model === "" ? title
                                                   : title + "\n" + model + (portText !== "" ? ": " + portText : "")
    signal requested(string ui)
    // No tray can bring the window back, so hiding minimised it instead:
    // said once a run, not at every close.
    signal keptRunning()
    property bool toldKeptRunning: false

    // The tray comes right after the first frame of `window` that shows the
    // search's outcome (the cards), or at once when the window starts hidden
    // and draws none: its registration with the desktop waits on other
    // processes, and the cards do not wait for it. A search that never ends
    // (`holdBack`) holds it back for a few seconds at most.
    property Window window
    property bool holdBack: false
    Connections {
        target: tray_control.window
        enabled: !tray_control.active && !tray_control.holdBack
        function onFrameSwapped() {
            tray_control.active = true
        }
    }
    Timer {
        interval: 3000
        running: !tray_control.active
        onTriggered: tray_control.active = true
    }

    active: false
    sourceComponent: Component {
        SystemTray {
            visible: true
            icon: "../kvm.ico"
            toolTip: tray_control.toolTip
            onTrigger: tray_control.requested("")
            onKeptRunning: {
                if (!tray_control.toldKeptRunning) {
                    tray_control.toldKeptRunning = true
                    tray_control.keptRunning()
                }
            }
            menu: MyMenu {
                MyAction {
                    text: tray_control.title
                    onTriggered: tray_control.requested("")
                }
                MySeparator {}
                // The texts keep the window's translation context.
                MyAction {
                    text: qsTranslate("main", "Preferences")
                    onTriggered: tray_control.requested("about")
                }
                MyAction {
                    text: qsTranslate("main", "Quit")
                    onTriggered: tray_control.requested("quit")
                }
            }
        }
    }
}
