#!/usr/bin/env bash
# The download component against curl: both fetch the same 64 MiB body from
# one local server in the same run.
set -euo pipefail
exec "$PORTVIEW_BUILD/bench/bench_download"
