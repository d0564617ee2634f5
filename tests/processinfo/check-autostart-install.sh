#!/usr/bin/env bash
# check-autostart-install.sh BUILD_DIR
# Installs the build into a scratch prefix and checks that the master copy
# of the log-on entry lands where the program looks for it, naming the
# installed executable.
set -euo pipefail
build=$1
prefix="$(mktemp -d)/prefix with space"
trap 'rm -rf "$(dirname "$prefix")"' EXIT
cmake --install "$build" --prefix "$prefix" >/dev/null
entry="$prefix/share/vemo-portview/Vemo Portview.desktop"
[ -f "$entry" ] || { echo "missing: $entry" >&2; exit 1; }
grep -qx 'Type=Application' "$entry"
grep -qxF "Exec=\"$prefix/bin/vemo-portview\" -h" "$entry" || { echo "wrong Exec line:" >&2; cat "$entry" >&2; exit 1; }
[ -x "$prefix/bin/vemo-portview" ]
echo "installed $entry"
