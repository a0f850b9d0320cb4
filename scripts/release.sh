#!/usr/bin/env bash
# Builds what ships, into out/release/: the 32-bit programs, small and without
# symbols (MinSizeRel), checked before they are packed; the per-user installer
# tvQ41-<version>.msi; and tvQ41-<version>.zip with the service and the box.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=$root/build/release
out=$root/out/release
version=$(sed -n 's/^project(tvQ41 VERSION \([0-9.]*\).*/\1/p' "$root/CMakeLists.txt")
[ -n "$version" ] || { echo "CMakeLists.txt names no project version" >&2; exit 1; }

"$root/scripts/install-packages.sh"
cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=MinSizeRel -DBUILD_TESTING=OFF \
  -DCMAKE_TOOLCHAIN_FILE="$root/cmake/toolchains/i686-w64-mingw32.cmake" >/dev/null
cmake --build "$build" -j "$(nproc)" -- --no-print-directory

echo "== Release check"
python3 "$root/packaging/check_release.py" "$build/bin/tvSer.exe" "$build/bin/tvQ41Box.exe"

rm -rf "$out"
mkdir -p "$out"
"$root/packaging/build_msi.sh" x86 "$build/bin" "$version" "$out/tvQ41-$version.msi"
python3 - "$out/tvQ41-$version.zip" "$build/bin/tvSer.exe" "$build/bin/tvQ41Box.exe" <<'EOF'
import os, sys, zipfile
with zipfile.ZipFile(sys.argv[1], "w", zipfile.ZIP_DEFLATED) as archive:
    for program in sys.argv[2:]:
        archive.write(program, os.path.basename(program))
EOF

echo "== Release $version in $out"
msiinfo export "$out/tvQ41-$version.msi" Property | grep -E '^(ProductName|ProductVersion|Manufacturer)\s' | sed 's/^/  /'
stat -c '%s %n' "$out"/* "$build"/bin/*.exe | awk '{ sub(".*/", "", $2); printf "  %-16s %8.1f KB\n", $2, $1 / 1024 }'
