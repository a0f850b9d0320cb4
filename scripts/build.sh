#!/usr/bin/env bash
# Builds both Windows targets: build/i686 (the shipped 32-bit programs) and
# build/x64 (the same sources, plus the tests, which run under 64-bit Wine).
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
jobs=$(nproc)

for target in i686:i686-w64-mingw32 x64:x86_64-w64-mingw32; do
  folder=${target%%:*}
  toolchain=${target#*:}
  testing=OFF
  [ "$folder" = x64 ] && testing=ON
  cmake -S "$root" -B "$root/build/$folder" -DCMAKE_BUILD_TYPE=Release -DBUILD_TESTING=$testing \
    -DCMAKE_TOOLCHAIN_FILE="$root/cmake/toolchains/$toolchain.cmake" >/dev/null
  cmake --build "$root/build/$folder" -j "$jobs" -- --no-print-directory
done
