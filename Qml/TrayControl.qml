import QtQuick 2.15
import vemo.trayicon 1.0

// The tray icon with its menu. It asks the window for what a person picked
// (`requested` with "" to show the window, "about" or "quit"). Built once
// the window is up: nobody needs it to see the switches.
Loader {
    id: tray_control
    property string title
    signal requested(string ui)
    // No tray can bring the window back, so hiding minimised it instead:
    // said once a run, not at every close.
    signal keptRunning()
    property bool toldKeptRunning: false

    active: false
    sourceComponent: Component {
        SystemTray {
            visible: true
            icon: "../kvm.ico"
            toolTip: tray_control.title
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
