import QtQuick 2.15

// A content page that follows the firmware query, as the Maintenance page does.
Item {
    property int ischecking: 0
    property string checkFault: ""
}
