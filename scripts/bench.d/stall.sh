#!/usr/bin/env bash
# The window against a switch that answers and one that never finishes its
# answers: longest gap on the window's thread, accessibility round trips.
set -euo pipefail
here=$(cd "$(dirname "$0")/../.." && pwd)
dbus-run-session -- /usr/bin/python3 "$here/bench/gui_stall.py" "${PORTVIEW_BUILD:?}"
