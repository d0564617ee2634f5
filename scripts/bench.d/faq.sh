#!/usr/bin/env bash
# The FAQ search with hostile expressions against its goal (at most 50 ms).
set -euo pipefail
exec "$PORTVIEW_BUILD/bench/bench_faq"
