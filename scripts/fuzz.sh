#!/usr/bin/env bash
# scripts/fuzz.sh [SECONDS]: runs every fuzz target for SECONDS each
# (default 600) and prints libFuzzer's statistics for each.
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-600}
scripts/install-deps.sh
cmake -S . -B build-fuzz -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build-fuzz -j"$(nproc)"
# Seed corpora that the test run builds (label seed-corpus) are built first.
ctest --test-dir build-fuzz -L seed-corpus --output-on-failure >/dev/null
status=0
while read -r name; do
  echo "== $name for ${seconds}s"
  ctest --test-dir build-fuzz -R "^${name}\$" --show-only=json-v1 >/dev/null
  command=$(ctest --test-dir build-fuzz -R "^${name}\$" --show-only=json-v1 |
    python3 -c 'import json,sys; t=json.load(sys.stdin)["tests"][0]; print("\0".join(t["command"]))' | tr '\0' '\n')
  mapfile -t argv <<<"$command"
  argv[3]=$seconds   # isolated.sh run-fuzzer.sh FUZZER SECONDS [SEEDS]
  "${argv[@]}" || status=1
done < <(ctest --test-dir build-fuzz -L fuzz -N | sed -n 's/^ *Test *#[0-9]*: //p')
exit $status
