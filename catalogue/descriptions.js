// The catalogue's card descriptions, for the translation tools only: the
// home page shows each model's "desc" through qsTr in the main window's
// context, and lupdate cannot read the catalogue itself. Keep these equal to
// the "desc" texts of Vemo.json.
var descriptions = [
    QT_TRANSLATE_NOOP("main", "2-Port USB-C KVM Switch<br>DisplayPort 4K 60 Hz, USB-C PD charging"),
    QT_TRANSLATE_NOOP("main", "2-Port USB-C Dual-Display KVM Switch<br>Two DisplayPort 4K 60 Hz outputs, USB-C PD charging")
]
