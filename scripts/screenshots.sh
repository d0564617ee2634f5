#!/usr/bin/env bash
# Regenerates the README's screenshots in docs/ from the end-to-end flows
# (each saves its pages when PORTVIEW_SHOTS names a folder).
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
# The same build folder as scripts/run.sh, with the tests and the Hollin tree.
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo -DPORTVIEW_BUILD_TESTS=ON -DPORTVIEW_E2E_HOLLIN=ON >/dev/null
cmake --build build -j"$(nproc)"
shots=$(mktemp -d)
trap 'rm -rf "$shots"' EXIT
PORTVIEW_SHOTS=$shots PORTVIEW_SCREENSHOT=$PWD/docs/home.png \
  ctest --test-dir build --output-on-failure -R '^e2e_(home|device|hollin|support|prefs|maintenance|access|lang)$'
# flow's name -> the README's name
while read -r shot doc; do
  cp "$shots/$shot.png" "docs/$doc.png"
done <<'MAP'
guide guide
device device
hollin_device device_hollin
support support
faq faq
editor hotkey_editor
maintenance maintenance
upgrade upgrade
upgrading upgrading
preferences preferences
preferences_zh preferences_zh
device_zh device_zh
focus_card focus_card
focus_dialog focus_dialog
hollin_focus_card focus_card_hollin
lang_de_device device_de
lang_jp_device device_jp
lang_de_offer upgrade_de
lang_jp_offer upgrade_jp
MAP
echo "docs/: screenshots updated"
