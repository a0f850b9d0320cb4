#!/usr/bin/env bash
# Builds the installer from tvQ41.wxs:
#   build_msi.sh <x86|x64> <folder holding the three programs> <version> <output .msi>
set -euo pipefail
arch=$1
payload=$2
version=$3
output=$(realpath -m "$4")
wxs=$(cd "$(dirname "$0")" && pwd)/tvQ41.wxs

# wixl looks for the programs relative to the folder it runs in.
(cd "$payload" && wixl -a "$arch" -D Payload=. -D Version="$version" -o "$output" "$wxs")
# The service writes its report, box.ini, beside itself: the uninstall removes
# it, or the folder stays behind. wixl knows no RemoveFile element, so the row
# is added to the built package.
msibuild "$output" -q "INSERT INTO \`RemoveFile\` (\`FileKey\`, \`Component_\`, \`FileName\`, \`DirProperty\`, \`InstallMode\`)
  VALUES ('RemoveReport', 'Programs', 'box.ini', 'INSTALLDIR', 2)"
