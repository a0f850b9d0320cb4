#!/usr/bin/env bash
# Wine takes its ANSI code page from the Unix locale: zh_CN.UTF-8 gives 936.
set -euo pipefail
locale -a 2>/dev/null | grep -qi '^zh_CN.utf8$' || localedef -i zh_CN -f UTF-8 zh_CN.UTF-8
