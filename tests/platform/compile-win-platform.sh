#!/usr/bin/env bash
# Compiles every file of Platform/win with the mingw-w64 cross compiler.
set -euo pipefail
source_dir=$1
compiler=x86_64-w64-mingw32-g++
command -v "$compiler" >/dev/null || { echo "$compiler is not installed" >&2; exit 1; }
out=$(mktemp -d)
trap 'rm -rf "$out"' EXIT
status=0
for file in "$source_dir"/Platform/win/*.cpp; do
  echo "compiling ${file#"$source_dir"/}"
  "$compiler" -std=c++17 -Wall -Wextra -Werror -I"$source_dir" -c "$file" -o "$out/$(basename "$file").o" || status=1
done
exit $status
