#!/usr/bin/env python3
"""contrast.py [Theme.qml]: the contrast of each text colour of the theme on
the background it is drawn on, in both brands; exits 1 when one is below
4.5:1 (3:1 for the bold texts of 18 px and more)."""
import re
import sys
from pathlib import Path

# (text, background, large bold text?) as the pages draw them; a name is a
# row of the table (one value per brand) or a colour of both themes.
PAIRS = [("titlecolor", "bgcolor", False), ("contentcolor", "bgcolor", False),
         ("menuTextOther", "menu", False), ("menuTextCurrent", "menuCurrent", False),
         ("quietButtonText", "quietButton", False), ("cardText", "card", False),
         ("popupText", "popup", False), ("chipText", "chip", False), ("chipUnsetText", "chip", False),
         ("fieldText", "comboFill", False), ("fieldPlaceholder", "comboFill", False),
         ("guideText", "guide", False), ("guideNote", "guide", False),
         ("buttonText", "btncolor", False), ("white", "guideButton", False),
         ("offerQuietText", "offerQuiet", False), ("offerText", "offerTerms", False),
         ("offerLink", "white", False), ("offerDownloadText", "offerDownload", False),
         ("btncolor", "guideStrip", False), ("focusRing", "bgcolor", True),
         ("errorText", "bgcolor", False), ("errorText", "popup", False), ("offerWarning", "white", False)]
NAMED = {"white": "#ffffff", "black": "#000000", "red": "#ff0000"}


def luminance(colour):
    colour = NAMED.get(colour, colour).lstrip("#")
    def channel(c):
        c /= 255
        return c / 12.92 if c <= 0.03928 else ((c + 0.055) / 1.055) ** 2.4
    r, g, b = (channel(int(colour[i:i + 2], 16)) for i in (0, 2, 4))
    return 0.2126 * r + 0.7152 * g + 0.0722 * b


def ratio(a, b):
    la, lb = sorted((luminance(a), luminance(b)), reverse=True)
    return (la + 0.05) / (lb + 0.05)


def main():
    text = Path(sys.argv[1] if len(sys.argv) > 1 else Path(__file__).parent.parent / "Qml/Theme.qml").read_text()
    rows = {m[0]: (m[1], m[2]) for m in re.findall(r'(\w+):\s*\["([^"]+)",\s*"([^"]+)"\]', text)}
    both = dict(re.findall(r'readonly property color (\w+):\s*"([^"]+)"', text))
    failed = 0
    for brand in (0, 1):
        def value(name):
            return rows[name][brand] if name in rows else both.get(name, name)
        for fore, back, large in PAIRS:
            f, b = value(fore), value(back)
            if b == "transparent":
                continue
            got, need = ratio(f, b), 3.0 if large else 4.5
            failed += got < need
            print(f"{'FAIL' if got < need else 'ok  '} {('Vemo', 'Hollin')[brand]:6} {fore} {f} on {back} {b}: "
                  f"{got:.2f}:1 (needs {need})")
    return 1 if failed else 0


if __name__ == "__main__":
    sys.exit(main())
