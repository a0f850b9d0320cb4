#!/usr/bin/env bash
# What both the run and the test command need first: the packages, both
# builds, and the Chinese locale under which Wine's ANSI code page is 936.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)

"$root/scripts/install-packages.sh"
"$root/scripts/build.sh"
locale -a 2>/dev/null | grep -qi '^zh_CN.utf8$' || localedef -i zh_CN -f UTF-8 zh_CN.UTF-8
