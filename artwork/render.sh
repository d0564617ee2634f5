#!/usr/bin/env bash
# Renders the interface's pictures from the SVG sources beside this script
# into the PNG, GIF and ICO files the resources hold. The results are
# committed, so a build needs none of these tools; run this after changing a
# source. Needs Debian's librsvg2-bin (rsvg-convert), imagemagick and
# fonts-noto-core (the texts in the pictures are drawn in Noto Sans).
set -euo pipefail
cd "$(dirname "$0")"
out=..
convert=/usr/bin/convert   # ImageMagick, not a stand-in earlier on PATH

# source  output  width  height
while read -r src dest w h; do
  [ -z "$src" ] && continue
  rsvg-convert -w "$w" -h "$h" -o "$out/$dest" "$src.svg"
done <<'LIST'
kvm               kvm.png                      24  24
kvm               Images/app.png               128 128
minimize          Images/minimize.png          24  24
close             Images/Close.png             24  24
icon_x            Images/icon_x.png            32  32
ic_settings       Images/ic_settings.png       20  20
online            Images/online.png            60  60
offline           Images/offline.png           60  60
bg                Images/bg.png                960 40
logo              Images/logo.png              96  24
product           Images/QV5830.png            280 210
ic_tune           Images/ic_tune.png           20  20
ic_tune_h         Images/ic_tune_h.png         20  20
ic_cached         Images/ic_cached.png         20  20
ic_cached_h       Images/ic_cached_h.png       20  20
ic_help_outline   Images/ic_help_outline.png   20  20
ic_help_outline_h Images/ic_help_outline_h.png 20  20
btn_home_n        Images/btn_home_n.png        24  24
btn_back          Images/btn_back.png          24  24
ic_arrow_left     Images/ic_arrow_left.png     16  16
ic_arrow_right    Images/ic_arrow_right.png    16  16
icSearch          Images/icSearch.png          16  16
icon_dropdown     Images/icon_dropdown.png     16  16
icon_dropup       Images/icon_dropup.png       16  16
ic_launch         Images/ic_launch.png         20  20
iconmonstr-facebook  Images/iconmonstr-facebook.png  20 20
iconmonstr-youtube   Images/iconmonstr-youtube.png   20 20
iconmonstr-linkedin  Images/iconmonstr-linkedin.png  20 20
iconmonstr-twitter   Images/iconmonstr-twitter.png   20 20
iconmonstr-instagram Images/iconmonstr-instagram.png 20 20
hardware          Images/hardware.png          440 300
installation      Images/installation.png      440 300
flow              Images/flow.png              550 250
LIST

# The tray icon: one file with the sizes trays ask for.
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
for s in 16 24 32 48 64 256; do
  rsvg-convert -w $s -h $s -o "$tmp/kvm-$s.png" kvm.svg
done
$convert "$tmp"/kvm-16.png "$tmp"/kvm-24.png "$tmp"/kvm-32.png "$tmp"/kvm-48.png \
  "$tmp"/kvm-64.png "$tmp"/kvm-256.png "$out/kvm.ico"

# Animations: the spinner turned by 45 degrees a frame. GIF has no partial
# transparency, so the dots fade by colour, not by opacity.
spinner() { # output size colour0..colour7
  local dest=$1 size=$2; shift 2
  local frames=()
  for i in 0 1 2 3 4 5 6 7; do
    local svg=$tmp/spin-$i.svg
    sed -e "s/ANGLE/$((i * 45))/" spinner.svg > "$svg"
    local k=0
    for c in "$@"; do sed -i "s/COLOR$k\"/$c\"/" "$svg"; k=$((k + 1)); done
    rsvg-convert -w "$size" -h "$size" -o "$tmp/spin-$i.png" "$svg"
    frames+=("$tmp/spin-$i.png")
  done
  $convert -delay 10 -loop 0 -dispose background "${frames[@]}" "$out/$dest"
}
spinner Images/ic_loading_big.gif 64 '#008cff' '#1f99ff' '#3ea7ff' '#5db4fb' '#7cc1f8' '#9acdf6' '#b4d8f5' '#c8e1f4'
spinner Images/upload_progress.gif 20 '#ffffff' '#ffffff' '#ffffff' '#ffffff' '#ffffff' '#ffffff' '#ffffff' '#ffffff'
