#!/usr/bin/env bash
# run-wine.sh SOURCE_DIR WINE_PLATFORM_EXE PE_FIXTURE_DIR VEMOCRYPT
# Runs tests/wine/wine_platform.cpp, built with the Windows platform layer
# and the container library's file code for Windows by the Windows checks
# (tests/windows: mingw-w64, linked statically, nothing of Qt or OpenSSL,
# which Debian does not build for Windows), under wine64 in a fresh prefix.
# A container encrypted here goes through the Windows file layer and back
# and must still decrypt.
set -euo pipefail
source_dir=$1 program=$2 fixtures=$3 vemocrypt=$4
wine=/usr/lib/wine/wine64
[ -x "$wine" ] || { echo "wine64 is not installed" >&2; exit 1; }
work=$(mktemp -d)
waiting=""
# The prefix's wineserver outlives the last program by a few seconds and
# still writes into the prefix: it is waited for before the folder goes.
finish() {
  if [ -n "$waiting" ]; then kill "$waiting" 2>/dev/null || true; fi
  WINEPREFIX=$work/prefix /usr/lib/wine/wineserver -w 2>/dev/null || true
  rm -rf "$work"
}
trap finish EXIT
cp "$program" "$work/wine_platform.exe"
cp "$fixtures"/*.exe "$work/"
# A non-PE file: neither side finds a resource.
echo "not an executable" > "$work/plain.exe"
export WINEPREFIX=$work/prefix WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
cd "$work"
"$vemocrypt" encrypt "$source_dir/catalogue/Vemo.json" container.kvm
"$wine" wine_platform.exe long container.kvm copy.kvm ./*.exe
"$vemocrypt" decrypt copy.kvm copy.json
cmp copy.json "$source_dir/catalogue/Vemo.json"
echo "the container came back from the Windows file layer and decrypts"

# "-exit": a copy under the product's name, with its space, ends a waiting
# copy and itself.
cp wine_platform.exe "Vemo Portview.exe"
"$wine" "Vemo Portview.exe" --wait waiting.txt &
waiting=$!
for _ in $(seq 300); do [ -f waiting.txt ] && break; sleep 0.1; done
[ -f waiting.txt ] || { echo "the waiting copy did not start" >&2; exit 1; }
# Ended by taskkill in the middle, the copy prints nothing.
ending=$("$wine" "Vemo Portview.exe" --end || true)
[ -z "$ending" ] || { echo "$ending" >&2; exit 1; }
for _ in $(seq 300); do kill -0 "$waiting" 2>/dev/null || break; sleep 0.1; done
kill -0 "$waiting" 2>/dev/null && { echo "the waiting copy was not ended" >&2; exit 1; }
waiting=""
echo "taskkill ended both copies"
