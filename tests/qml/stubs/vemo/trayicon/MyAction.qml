import QtQuick 2.15

QtObject {
    property string text
    signal triggered()
}
