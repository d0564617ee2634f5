import QtQuick 2.15

Item {
    property alias greeting: greeting_text.text
    property string farewell: qsTr("Goodbye")

    function pick(index) {
        lang.changeLang(index)
    }

    Text {
        id: greeting_text
        text: qsTr("Hello")
    }
}
