#!/usr/bin/env bash
# run-fuzzer.sh FUZZER SECONDS [SEED_DIR]
# Runs one libFuzzer target for SECONDS on a scratch corpus grown from the
# seeds, and prints libFuzzer's final statistics (executions, coverage).
# A crash, leak or sanitizer report fails the run and leaves the reproducer
# in the current folder.
set -euo pipefail
fuzzer=$1
seconds=$2
seeds=${3:-}
corpus=$(mktemp -d)
trap 'rm -rf "$corpus"' EXIT
if [ -n "$seeds" ] && [ -d "$seeds" ]; then
  cp -r "$seeds"/. "$corpus"/
fi
"$fuzzer" -max_total_time="$seconds" -print_final_stats=1 -timeout=10 -rss_limit_mb=2048 \
  -artifact_prefix="${FUZZ_ARTIFACTS:-./}" "$corpus"
