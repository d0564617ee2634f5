import QtQuick 2.15
import com.vemo.HID 1.0
import com.vemo.quickdownload 1.0
import Qt.Quick.Monitor 1.0
import vemo.trayicon 1.0

// Every context property and QML type the pages in Qml/ use: a name the
// program does not publish is a ReferenceError, an unknown type an error.
QtObject {
    property var services: [regedit, encrypt, io, com, process, detect_event, lang]
    property var texts: [show_mode, firmware_url, download_timeout, ap_ver]
    property list<QtObject> types: [HidSocket {}, Download {}, Monitor {}, MyMenu {}, MyAction {}, MySeparator {}, SystemTray {}]
}
