#!/usr/bin/env bash
# check-autostart-install.sh BUILD_DIR ENTRY_TOOL
# The log-on entry must start the program whatever its path holds. Each
# path of the table is written by the tool the installation uses (the same
# quoting the program applies from a build tree) and read back as a desktop
# would: GLib's key file and its argument parser, after the "%%" field code.
# Then a real install into the hardest prefix, run from a scratch folder:
# the entry lands where the program looks, names the installed executable,
# nothing is left in the folder the install was run from, and the entry
# starts the installed program.
set -euo pipefail
build=$(realpath "$1")
tool=$(realpath "$2")
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT

exec_argv() {
  /usr/bin/python3 - "$1" <<'PY'
import sys
from gi.repository import GLib
keys = GLib.KeyFile()
keys.load_from_file(sys.argv[1], GLib.KeyFileFlags.NONE)
line = keys.get_string("Desktop Entry", "Exec")
print("\0".join(GLib.shell_parse_argv(line.replace("%%", "%"))[1]), end="")
PY
}

expect_argv() { # ENTRY PROGRAM
  local got
  got=$(exec_argv "$1" | tr '\0' '\n')
  [ "$got" = "$(printf '%s\n%s' "$2" "-h")" ] || {
    echo "the entry for [$2] starts [$got]:" >&2; cat "$1" >&2; exit 1; }
}

hardest='a"b c/it'"'"'s 100%done'
paths=("/opt/plain/vemo-portview" "/opt/with space/vemo-portview" "/tmp/$hardest/bin/vemo-portview"
       '/opt/back\slash/$HOME/`id`/vemo-portview' "/opt/%d %f/vemo-portview" "/opt/中文 ü/vemo-portview"
       "/opt/tab	and;semi&amp|pipe*(x)#?~<>/vemo-portview" $'/opt/new\nline/vemo-portview')
for program in "${paths[@]}"; do
  "$tool" "$program" Vemo "$scratch/entry.desktop"
  expect_argv "$scratch/entry.desktop" "$program"
done
if "$tool" $'/opt/bell\a/vemo-portview' Vemo "$scratch/refused.desktop" 2>/dev/null; then
  echo "a path with a control character gave an entry" >&2; exit 1
fi

prefix="$scratch/$hardest"
mkdir -p "$scratch/cwd"
(cd "$scratch/cwd" && cmake --install "$build" --prefix "$prefix" >/dev/null)
entry="$prefix/share/vemo-portview/Vemo Portview.desktop"
[ -f "$entry" ] || { echo "missing: $entry" >&2; exit 1; }
grep -qx 'Type=Application' "$entry"
expect_argv "$entry" "$prefix/bin/vemo-portview"
[ -x "$prefix/bin/vemo-portview" ]
[ -z "$(ls -A "$scratch/cwd")" ] || { echo "the install left files where it ran:" >&2; ls -R "$scratch/cwd" >&2; exit 1; }
# And the entry starts it: run as a desktop would run it, the program logs
# its own path (quoted by the log, so only the part without a quote is looked for).
mapfile -d '' argv < <(exec_argv "$entry")
"${argv[@]}" & started=$!
log="$XDG_DATA_HOME/Vemo/Vemo Portview/log.txt"
for _ in $(seq 100); do grep -qF "it's 100%done/bin/vemo-portview" "$log" 2>/dev/null && break; sleep 0.1; done
kill "$started"
grep -qF "it's 100%done/bin/vemo-portview" "$log" || { echo "the entry did not start the program" >&2; exit 1; }
echo "installed $entry"
