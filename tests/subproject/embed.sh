#!/usr/bin/env bash
# embed.sh SOURCE_DIR GENERATOR: builds vemo-portview and kvm-sim from a
# parent project that adds SOURCE_DIR with add_subdirectory.
set -euo pipefail
source_dir=$1 generator=$2
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
mkdir "$scratch/parent"
cat >"$scratch/parent/CMakeLists.txt" <<CMAKE
cmake_minimum_required(VERSION 3.20)
project(Parent LANGUAGES C CXX)
add_subdirectory("$source_dir" portview)
CMAKE
cmake -S "$scratch/parent" -B "$scratch/build" -G "$generator" >"$scratch/configure.log" ||
  { cat "$scratch/configure.log"; exit 1; }
if grep -q "portview/tests" "$scratch/build/CMakeCache.txt" ||
   [ -d "$scratch/build/portview/tests" ]; then
  echo "the tests were configured inside the parent project" >&2; exit 1
fi
cmake --build "$scratch/build" --target vemo-portview kvm-sim -j"$(nproc)" >"$scratch/build.log" ||
  { tail -50 "$scratch/build.log"; exit 1; }
for exe in portview/vemo-portview portview/tools/kvm-sim/kvm-sim portview/dev.vemo portview/Vemo.json; do
  [ -e "$scratch/build/$exe" ] || { echo "missing: $exe" >&2; exit 1; }
done
echo "embedded build made vemo-portview and kvm-sim"
