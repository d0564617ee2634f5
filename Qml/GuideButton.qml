import QtQuick 2.15
import com.vemo.portview 1.0

// A guide's "Back" / "Next" button: a label with an arrow beside it.
TextButton {
    id: button
    property string arrow
    property bool arrowAfter: false

    least: 94
    height: 29
    fill: Theme.guideButton
    // White on the blue, black on the pale green of "Finish".
    labelColor: fill === Theme.guideFinish ? Theme.offerDownloadText : "white"
    contentItem: Item {
        implicitWidth: label_row.implicitWidth
        Row {
            id: label_row
            anchors.centerIn: parent
            spacing: 6
            layoutDirection: button.arrowAfter ? Qt.RightToLeft : Qt.LeftToRight
            Image {
                anchors.verticalCenter: parent.verticalCenter
                width: 16
                height: 16
                source: button.arrow
            }
            Text {
                anchors.verticalCenter: parent.verticalCenter
                text: button.text
                font.family: notosans.name
                font.pixelSize: 14
                font.bold: true
                color: button.labelColor
            }
        }
    }
}
