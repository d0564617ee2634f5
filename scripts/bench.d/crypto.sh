#!/usr/bin/env bash
# The container library on a 64 MiB file beside openssl enc -aes-128-ecb.
set -euo pipefail
"$PORTVIEW_BUILD/bench/bench_crypto"
