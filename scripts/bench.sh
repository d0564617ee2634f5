#!/usr/bin/env bash
# Builds the project and runs every benchmark (scripts/bench.d/*.sh). The
# figures are printed, not judged: machines differ and are shared.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
cmake -S . -B build-bench -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build build-bench -j"$(nproc)"
export PORTVIEW_BUILD="$PWD/build-bench"
for bench in scripts/bench.d/*.sh; do
  [ -e "$bench" ] || continue
  echo "== $(basename "$bench" .sh)"
  tests/isolated.sh bash "$bench"
done
