pragma Singleton
import QtQuick 2.15

// The two brands' colours and sizes, in one place. The main window sets
// `company` at start-up; pages take `Theme.brand.<name>` (or `Theme.vemo`,
// `Theme.hollin` where a page is drawn for one brand whatever the company).
QtObject {
    id: theme

    property string company: ""
    readonly property bool maker: company === "Vemo"

    // Each row: the maker's value, then the sister brand's.
    readonly property var table: ({
        // The four colours the pages share; another company word leaves them
        // empty (see `brandColour`).
        bgcolor:          ["#fbfbfb", "black"],
        titlecolor:       ["#747474", "#777777"],
        contentcolor:     ["#292929", "#d4d4d4"],
        btncolor:         ["#0070cc", "#85c12f"],
        // The application frame, its title bar and logo bar.
        frame:            ["#08375e", "black"],
        frameBorder:      ["#bcb5b9", "black"],
        titleBar:         ["#f0f0f0", "black"],
        logoBar:          ["transparent", "#272727"],
        logoBarHeight:    [40, 43],
        logoTitle:        ["Vemo Portview", "Portview"],
        logoTitleSize:    [18, 13],
        // The device cards of the home page.
        card:             ["#ebebeb", "#292929"],
        cardHover:        ["#008cff", "#85c12f"],
        cardText:         ["black", "#d4d4d4"],
        // Dialogs and the hotkey editor's card.
        popup:            ["#ffffff", "#1d1d1d"],
        popupText:        ["black", "#d4d4d4"],
        // Errors and warnings, on the page, a dialog or the hotkey editor:
        // a red that keeps 4.5:1 on both the light and the dark grounds.
        errorText:        ["#d00000", "#ff5c5c"],
        messageOpacity:   [0.72, 1],
        quietButton:      ["#f2f2f2", "#b5b5b5"],
        quietButtonText:  ["#6e6e6e", "#3c3c3c"],
        // The device frame's title strip and menu.
        frameStrip:       ["#08375e", "#272727"],
        menu:             ["#efefef", "#272727"],
        menuCurrent:      ["#a7b2bd", "#545454"],
        menuOther:        ["#efefef", "transparent"],
        menuMarkCurrent:  ["#08375e", "#85c12f"],
        menuMarkOther:    ["#efefef", "#272727"],
        menuTextCurrent:  ["#08375e", "white"],
        menuTextOther:    ["#6c6c6c", "#9a9a9a"],
        // The Device page's key chips.
        chip:             ["#e8e8e8", "#292929"],
        chipText:         ["#292929", "#85c12f"],
        chipUnsetText:    ["#292929", "#9a9a9a"],
        // Fields: the FAQ's search box and the preferences' combo box.
        fieldBorder:      ["#d6d6d6", "#838383"],
        fieldText:        ["#767676", "white"],
        fieldPlaceholder: ["#767676", "#878787"],
        comboFill:        ["white", "#1d1d1d"],
        comboHighlight:   ["#cbcbcb", "#292929"],
        preferences:      ["#f4f4f4", "black"],
        // The first-run guide.
        guide:            ["#fbfbfb", "black"],
        guideStrip:       ["#f4f4f4", "#272727"],
        guideText:        ["#292929", "#d4d4d4"],
        guideNote:        ["black", "#d4d4d4"],
        guideHover:       ["#EAF0F4", "#292929"],
        guideStep:        ["#094576", "#85c12f"],
        // The label of a filled button: white on the maker's blue, black on
        // the sister brand's pale green.
        buttonText:       ["white", "black"],
        // The ring round the control with the keyboard focus.
        focusRing:        ["#0063b1", "#ffd700"]
    })

    function pick(isMaker) {
        var values = {}
        for (var name in table)
            values[name] = table[name][isMaker ? 0 : 1]
        return values
    }

    readonly property var vemo: pick(true)
    readonly property var hollin: pick(false)
    // Any company word but the maker's is drawn in the sister brand's colours.
    readonly property var brand: maker ? vemo : hollin

    // The shared colours, empty for a company word that has no theme.
    function brandColour(name) {
        return company === "Vemo" ? vemo[name] : company === "Hollin" ? hollin[name] : ""
    }

    readonly property string bgcolor: brandColour("bgcolor")
    readonly property string titlecolor: brandColour("titlecolor")
    readonly property string contentcolor: brandColour("contentcolor")
    readonly property string btncolor: brandColour("btncolor")

    // The same in both themes.
    readonly property color menuTextOther: brand.menuTextOther
    readonly property color brandUnderline: "#537d22"
    readonly property color hotkeyDone: "#292929"
    readonly property color knob: "#ffffff"
    readonly property color knobPressed: "#cccccc"
    readonly property color guideLine: "#d8d8d8"
    readonly property color guideButton: "#0074d4"
    readonly property color guideFinish: "#85c12f"
    // The upgrade page is a white card in both themes.
    readonly property color offerText: "#292929"
    // The offer's notes (Port 1 only, a Windows tool), on its white card.
    readonly property color offerWarning: "#d00000"
    readonly property color offerLink: "#0074d4"
    readonly property color offerTerms: "#fafafa"
    readonly property color offerTermsBorder: "#bdbdbd"
    readonly property color offerQuiet: "#f2f2f2"
    readonly property color offerQuietText: "#6e6e6e"
    readonly property color offerDownload: "#85c12f"
    readonly property color offerDownloadText: "black"
    readonly property color progressTrack: "#e6e6e6"
    readonly property color progressFill: "#008cff"
}
