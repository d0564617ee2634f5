#!/usr/bin/env bash
# Compiles the container library's sources for Windows with the mingw-w64
# cross compiler (syntax and warnings only: there is no Windows OpenSSL to
# link here). The host's OpenSSL headers stand in for the Windows ones; Qt's
# two small bridges (the log line and the working files) are left out.
set -euo pipefail
source_dir=$1
compiler=x86_64-w64-mingw32-g++
command -v "$compiler" >/dev/null || { echo "$compiler is not installed" >&2; exit 1; }
include=$(mktemp -d)
trap 'rm -rf "$include"' EXIT
mkdir "$include/openssl"
ln -s /usr/include/openssl/*.h "$include/openssl/"
arch_dir=/usr/include/$(g++ -dumpmachine)/openssl
for header in configuration.h opensslconf.h; do
  rm -f "$include/openssl/$header"
  cp "$arch_dir/$header" "$include/openssl/$header"
done
# 64-bit Windows is LLP64.
sed -i -e 's/define SIXTY_FOUR_BIT_LONG/undef SIXTY_FOUR_BIT_LONG/' \
  -e 's/undef SIXTY_FOUR_BIT$/define SIXTY_FOUR_BIT/' "$include/openssl/configuration.h"
status=0
for file in "$source_dir"/EncryptAPI/*.cpp; do
  case $(basename "$file") in AppFiles.cpp|EncryptLog.cpp) continue ;; esac
  echo "compiling ${file#"$source_dir"/}"
  "$compiler" -std=c++17 -Wall -Wextra -Werror -DENCRYPTAPI_BUILD -I"$include" -I"$source_dir/EncryptAPI" \
    -fsyntax-only "$file" || status=1
done
exit $status
