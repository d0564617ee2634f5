import QtQuick 2.15

Item {
    property alias greeting: greeting_text.text
    Text {
        id: greeting_text
        text: qsTr("Hello")
    }
}
