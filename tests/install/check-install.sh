#!/usr/bin/env bash
# check-install.sh BUILD_DIR SOURCE_DIR BRAND KVM_SIM E2E_COMMAND...
# Installs the build into a scratch prefix and checks the tree, its desktop
# files and its udev rule; builds the Debian package, has lintian look at it,
# unpacks it, and runs the installed and the unpacked program against the
# virtual switch with the end-to-end flow "installed".
set -euo pipefail
build=$1 source_dir=$2 brand=$3 sim=$4
shift 4
scratch=$(realpath "$(mktemp -d)")
trap 'rm -rf "$scratch"' EXIT
fail() { echo "install_tree: $*" >&2; exit 1; }
for tool in desktop-file-validate appstreamcli cpack dpkg-deb lintian file ldd; do
  command -v "$tool" >/dev/null || fail "$tool is not installed (scripts/install-deps.sh)"
done

prefix=$scratch/prefix
cd "$scratch"   # the install step may leave working files in the current folder
cmake --install "$build" --prefix "$prefix" >/dev/null
data=share/vemo-portview
lower=$(echo "$brand" | tr '[:upper:]' '[:lower:]')
for file in bin/vemo-portview "$data/dev.$lower" "$data/$brand.json" "$data/lang/en.qm" "$data/lang/po.qm" \
    "$data/$brand Portview.desktop" lib/vemo-portview/libEncryptApi.so \
    share/applications/vemo-portview.desktop \
    share/icons/hicolor/scalable/apps/vemo-portview.svg share/metainfo/com.example.vemo.portview.metainfo.xml \
    lib/udev/rules.d/70-vemo-portview.rules; do
  [ -f "$prefix/$file" ] || fail "missing $file"
done
# Programs only in bin/: data there would be found in the build tree's way.
[ "$(ls "$prefix/bin" | tr '\n' ' ')" = "vemo-portview " ] || fail "bin/ holds $(ls "$prefix/bin")"
for size in 48 128 256; do
  file "$prefix/share/icons/hicolor/${size}x$size/apps/vemo-portview.png" | grep -q "PNG image data, $size x $size" \
    || fail "no $size px icon"
done
library=$(ldd "$prefix/bin/vemo-portview" | awk '$1 == "libEncryptApi.so" { print $3 }')
[ "$(realpath -m "$library")" = "$prefix/lib/vemo-portview/libEncryptApi.so" ] \
  || fail "the installed program takes its container library from '$library'"
desktop-file-validate "$prefix/share/applications/vemo-portview.desktop"
appstreamcli validate --no-net "$prefix/share/metainfo/com.example.vemo.portview.metainfo.xml"

# The rule names exactly the catalogue's switches, on hidraw, for the seat's user.
/usr/bin/python3 - "$source_dir/catalogue/Vemo.json" "$prefix/lib/udev/rules.d/70-vemo-portview.rules" <<'PY'
import json, re, sys
models = json.load(open(sys.argv[1]))["devlist"]
wanted = {(m["vid"].lower(), m["pid"].lower()) for m in models}
rules = [line for line in open(sys.argv[2]) if line.strip() and not line.startswith("#")]
found = set()
for line in rules:
    assert 'SUBSYSTEM=="hidraw"' in line and 'TAG+="uaccess"' in line, line
    assert "MODE" not in line and "GROUP" not in line, line
    found.add(re.search(r'idVendor}=="(\w+)", ATTRS{idProduct}=="(\w+)"', line).groups())
assert found == wanted and len(rules) == len(wanted), f"rule IDs {sorted(found)}, catalogue {sorted(wanted)}"
PY

# The package: built from the build folder, lint-free of errors, and working
# where it was unpacked.
(cd "$build" && cpack -G DEB -B "$scratch/cpack" >/dev/null)
deb=$(ls "$scratch"/cpack/vemo-portview_*.deb)
dpkg-deb -f "$deb" Package Depends
dpkg-deb -f "$deb" Depends | grep -q "libqt5core5a" || fail "shlibdeps found no dependencies"
dpkg-deb -x "$deb" "$scratch/root"
lintian --tag-display-limit 0 "$deb" | tee "$scratch/lintian.txt" || true
if grep -q '^E:' "$scratch/lintian.txt"; then fail "lintian reports errors"; fi
"$@" "$prefix/bin/vemo-portview" "$sim" installed
"$@" "$scratch/root/usr/bin/vemo-portview" "$sim" installed
