import QtQuick 2.15
import com.vemo.portview 1.0
import "Links.js" as Links

// The bar under the title bar: the sister brand's logo, the program's name
// and the settings gear (`settingsClicked`). Its texts keep the window's
// translation context.
Rectangle {
    id: logo_rec
    signal settingsClicked()

    height: Theme.brand.logoBarHeight
    color: Theme.brand.logoBar

    Image {
        anchors.fill: parent
        visible: Theme.maker
        source: Theme.maker ? "../Images/bg.png" : ""
    }

    IconButton {
        id: brand_logo
        visible: !Theme.maker
        name: Theme.company
        source: Theme.maker ? "" : "../Images/logo.png"
        width: visible ? 96 : 0
        height: 24
        anchors.left: parent.left
        anchors.leftMargin: 25
        anchors.verticalCenter: parent.verticalCenter
        onClicked: Qt.openUrlExternally(Links.site(Theme.company))

        Rectangle {
            anchors.top: parent.bottom
            anchors.topMargin: 3
            width: parent.width
            height: 3
            color: Theme.brandUnderline
        }
    }

    StaticText {
        anchors.left: brand_logo.visible ? brand_logo.right : parent.left
        anchors.leftMargin: brand_logo.visible ? 14 : 25
        anchors.verticalCenter: parent.verticalCenter
        text: Theme.brand.logoTitle
        font.pixelSize: Theme.brand.logoTitleSize
        font.bold: true
        color: "white"
    }

    IconButton {
        name: qsTranslate("main", "Preferences")
        source: "../Images/ic_settings.png"
        width: 20
        height: 20
        anchors.right: parent.right
        anchors.rightMargin: 25
        anchors.verticalCenter: parent.verticalCenter
        onClicked: logo_rec.settingsClicked()
    }
}
