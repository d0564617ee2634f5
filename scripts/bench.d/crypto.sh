#!/usr/bin/env bash
# The container library on a 64 MiB file beside openssl enc -aes-128-ecb.
set -euo pipefail
"$PORTVIEW_BUILD/tests/crypto/bench_crypto"
