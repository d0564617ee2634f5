#!/usr/bin/env bash
# run-wine.sh SOURCE_DIR PE_FIXTURE_DIR VEMOCRYPT
# Builds tests/wine/wine_platform.cpp with the Windows platform layer and the
# container library's file code for Windows (mingw-w64, linked statically:
# nothing of Qt or OpenSSL, which Debian does not build for Windows), and
# runs it under wine64 in a fresh prefix. A container encrypted here goes
# through the Windows file layer and back and must still decrypt.
set -euo pipefail
source_dir=$1 fixtures=$2 vemocrypt=$3
compiler=x86_64-w64-mingw32-g++
wine=/usr/lib/wine/wine64
command -v "$compiler" >/dev/null || { echo "$compiler is not installed" >&2; exit 1; }
[ -x "$wine" ] || { echo "wine64 is not installed" >&2; exit 1; }
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
"$compiler" -std=c++17 -O1 -Wall -Wextra -Werror -static -DENCRYPTAPI_BUILD \
  -I"$source_dir" -I"$source_dir/EncryptAPI" \
  "$source_dir/tests/wine/wine_platform.cpp" "$source_dir/Platform/peversionreader.cpp" \
  "$source_dir"/Platform/win/{fileversion,processes}.cpp "$source_dir/EncryptAPI/NativeFile.cpp" \
  -lversion -o "$work/wine_platform.exe"
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
