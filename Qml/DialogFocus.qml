import QtQuick 2.15

// What a dialog does with the keyboard focus: it takes the focus to `first`
// when it shows and gives it back where it was when it hides or goes. The
// dialog itself keeps Tab inside (its last control leads to its first).
// A dialog hides before it goes, which gives the focus back.
Item {
    id: keeper
    property Item scope: parent
    property Item first
    property var before: null

    function inside(item) {
        for (var it = item; it; it = it.parent)
            if (it === scope)
                return true
        return false
    }

    function enter() {
        var now = main.activeFocusItem
        if (before === null && now && !inside(now))
            before = now
        if (first)
            first.forceActiveFocus(Qt.TabFocusReason)
    }

    // Later, once what the dialog covered shows again; called on the item
    // itself, since the dialog may be gone by then.
    function leave() {
        var back = before
        before = null
        if (back)
            Qt.callLater(back.forceActiveFocus)
    }

    Connections {
        target: keeper.scope
        function onVisibleChanged() {
            if (keeper.scope.visible)
                keeper.enter()
            else
                keeper.leave()
        }
    }
    Component.onCompleted: if (scope.visible) enter()
}
