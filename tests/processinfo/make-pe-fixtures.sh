#!/usr/bin/env bash
# make-pe-fixtures.sh SOURCE_DIR OUT_DIR [VERSION_SECTION_CPP]
# Builds small Windows executables from the resource scripts in
# SOURCE_DIR/fixtures with the mingw-w64 tools: one NAME.exe per NAME.rc, and
# product32.exe, the product fixture as a 32-bit (PE32) image. With a third
# argument (a source written by versioninfo-section) it adds version-section.o,
# a small ELF file with the version section. OUT_DIR holds nothing else, so
# it also serves as the version fuzzer's seed corpus.
set -euo pipefail
source_dir=$1
out_dir=$2
prefix=x86_64-w64-mingw32
for tool in windres gcc objcopy; do
  command -v "$prefix-$tool" >/dev/null || { echo "$prefix-$tool is not installed" >&2; exit 1; }
done
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
# No C runtime: the images stay a few kilobytes, which suits the fuzzer.
echo 'int entry(void) { return 0; }' > "$work/entry.c"
rm -rf "$out_dir"
mkdir -p "$out_dir"
for rc in "$source_dir"/fixtures/*.rc; do
  name=$(basename "$rc" .rc)
  "$prefix-windres" "$rc" -O coff -o "$work/$name.o"
  "$prefix-gcc" -O2 -s -nostdlib -Wl,-e,entry "$work/entry.c" "$work/$name.o" -o "$out_dir/$name.exe"
done
"$prefix-objcopy" -O pei-i386 "$out_dir/product.exe" "$out_dir/product32.exe"
if [ -n "${3:-}" ]; then
  c++ -c -o "$out_dir/version-section.o" "$3"
fi
ls -l "$out_dir"
