#!/usr/bin/env bash
# Discovery with 64 attached HID devices of which 2 are switches.
set -euo pipefail
"${PORTVIEW_BUILD:?}/bench/bench_enumerate"
