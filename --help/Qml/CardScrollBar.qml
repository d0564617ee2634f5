import QtQuick 2.15
import QtQuick.Controls 2.15

// The cards' horizontal scroll bar. The main window loads it only while the
// cards are wider than the page, so a start with a few switches does not
// load the controls module at all.
ScrollBar {
    id: bar
    property Flickable view

    // Where a scroll bar attached to a flickable belongs, as if declared
    // inside it.
    parent: view
    policy: ScrollBar.AlwaysOn
    Accessible.name: qsTr("Devices")
    onViewChanged: if (view) view.ScrollBar.horizontal = bar
}
