import QtQuick 2.15

// The window's dialog loader and the way every page shows a dialog: the
// descriptor is kept (the window publishes it as confirm_dialog_info and
// alert_dialog_info), copied into the chosen loader's `para`, and the one
// dialog document loaded there in its variant. A page that has a dialog
// loader of its own (the device frame's `dialog_loader`) passes it.
Loader {
    id: host
    property var para
    property var confirmInfo: ({ title: "", msg: "", dobtn: qsTranslate("main", "OK"),
                                 cancelbtn: qsTranslate("main", "Cancel"), dofunc: null, cancelfunc: null,
                                 closefunc: null, showicon: 0, icon: 0 })
    property var alertInfo: ({ title: "", msg: "", showicon: 0, icon: 1, okfunc: null, closefunc: null })

    visible: false

    function showConfirm(info, loader) {
        confirmInfo = info
        open(loader || host, "confirm", info)
    }

    function showAlert(info, loader) {
        alertInfo = info
        open(loader || host, "alert", info)
    }

    // The plain notice most pages give: a title, a message and "OK"; the
    // detail, when given, says why or what to do next under the message.
    function showNotice(title, message, loader, detail) {
        showAlert({ title: title, msg: message, detail: detail || "", dobtn: qsTranslate("main", "OK"),
                    dofunc: null, closefunc: null }, loader)
    }

    function open(loader, variant, info) {
        loader.para = Object.assign({ variant: variant }, info)
        loader.source = "qrc:/Qml/confirm_dialog_control.qml"
        loader.visible = true
    }
}
