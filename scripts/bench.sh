#!/usr/bin/env bash
# Sets up what is missing, builds, and runs the benchmarks under Wine; each
# prints its figures. With names (soak, ...) only those run.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)

"$root/scripts/setup.sh" >/dev/null
source "$root/scripts/wine-session.sh"
start_wine_session "$root/build/wine-prefix"

benches=("$@")
if ((${#benches[@]} == 0)); then
  benches=(soak)
fi
for bench in "${benches[@]}"; do
  echo "== $bench"
  "$WINE64" "$root/build/x64/bin/bench_$bench.exe"
done
