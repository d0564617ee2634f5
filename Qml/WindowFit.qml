import QtQuick 2.15
import QtQuick.Window 2.15

// Where the window goes: the part of the screen windows may use (without
// panels), and the frame scaled down to fit a screen smaller than it, so
// that every control stays on screen and reachable; centred in that area,
// never above or left of it, so the title strip stays reachable.
Item {
    visible: false
    property bool fullDesktop: false
    property int frameWidth: 0
    property int frameHeight: 0
    // Wayland compositors place their windows themselves and tell a client
    // neither where its window is nor let it move one there: the frame is
    // not placed by coordinates there, and the compositor moves it.
    readonly property bool compositorPlaces: Qt.platform.pluginName.indexOf("wayland") === 0

    readonly property rect area: typeof screenArea !== "undefined" && screenArea.available.width > 0
                                 ? screenArea.available
                                 : Qt.rect(Screen.virtualX, Screen.virtualY,
                                           Screen.desktopAvailableWidth, Screen.desktopAvailableHeight)
    readonly property real fitScale: area.width > 0 && area.height > 0
                                     ? Math.min(1, area.width / frameWidth, area.height / frameHeight) : 1
    readonly property int shownWidth: Math.floor(frameWidth * fitScale)
    readonly property int shownHeight: Math.floor(frameHeight * fitScale)

    function screen0() {
        var screens = Qt.application.screens
        return screens.length > 0 ? screens[0] : null
    }
    function centred(screenSize, areaStart, areaSize, shown) {
        if (fullDesktop)
            return screenSize > 0 ? Math.max(0, Math.round((screenSize - shown) / 2)) : 0
        return areaStart + Math.max(0, Math.round((areaSize - shown) / 2))
    }
    function centredX() {
        var s = screen0()
        return centred(s ? s.width : 0, area.x, area.width, shownWidth)
    }
    function centredY() {
        var s = screen0()
        return centred(s ? s.height : 0, area.y, area.height, shownHeight)
    }
}
