#!/usr/bin/env bash
# Installs what is missing, builds in a clean folder and runs every test.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/install-deps.sh
rm -rf build-test
cmake -S . -B build-test -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DPORTVIEW_E2E_HOLLIN=ON
cmake --build build-test -j"$(nproc)"
ctest --test-dir build-test --output-on-failure -j"$(nproc)"
