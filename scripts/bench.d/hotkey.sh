#!/usr/bin/env bash
# Key press to command report through the real X11 keyboard hook, under an X
# server of its own.
set -euo pipefail
here=$(cd "$(dirname "$0")/../.." && pwd)
"$here/tests/isolated.sh" --xvfb "${PORTVIEW_BUILD:?}/bench/bench_hotkey_latency"
