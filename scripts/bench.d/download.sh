#!/usr/bin/env bash
# The download component against curl: both fetch the same 64 MiB body from
# the virtual switch's firmware service in the same run, alternating.
set -euo pipefail
exec "$PORTVIEW_BUILD/bench/bench_download" "$PORTVIEW_BUILD/tools/kvm-sim/kvm-sim" "${PORTVIEW_BENCH_DOWNLOADS:-5}"
