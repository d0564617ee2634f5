#!/usr/bin/env bash
# Start-up: the program's start to first frame and peak memory beside a bare
# Qt Quick window, both under one X server, then the round trip of "test"
# against the virtual switch.
set -euo pipefail
build=${PORTVIEW_BUILD:?}
here=$(cd "$(dirname "$0")/../.." && pwd)

"$build/bench/bench_roundtrip" 200

exec 3> "$PORTVIEW_TEST_ROOT/display"
Xvfb -displayfd 3 -screen 0 1920x1080x24 -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
exec 3>&-
trap 'kill $xvfb 2>/dev/null' EXIT
for _ in $(seq 200); do [ -s "$PORTVIEW_TEST_ROOT/display" ] && break; sleep 0.05; done
export DISPLAY=":$(head -n1 "$PORTVIEW_TEST_ROOT/display")" QT_QPA_PLATFORM=xcb

socket=bench-sim-$$
"$build/tools/kvm-sim/kvm-sim" --socket "$socket" --switch "" >/dev/null &
sim=$!
trap 'kill $xvfb $sim 2>/dev/null' EXIT
sleep 0.5
python3 "$here/bench/first_frame.py" 7 -- "$build/bench/bare_quick_window"
PORTVIEW_SIMULATOR=$socket python3 "$here/bench/first_frame.py" 7 -- "$build/vemo-portview"
