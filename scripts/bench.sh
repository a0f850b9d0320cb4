#!/usr/bin/env bash
# Sets up what is missing, builds, and runs the benchmarks under Wine; each
# prints its figures next to the floor measured in the same run.
#   scripts/bench.sh [throughput] [latency] [box_startup] [closing] [soak] [sizes]
# Without names all of them run, in that order (about five minutes).
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)

"$root/scripts/setup.sh" >/dev/null
source "$root/scripts/wine-session.sh"
start_wine_session "$root/build/wine-prefix"

benches=("$@")
if ((${#benches[@]} == 0)); then
  benches=(throughput latency box_startup closing soak sizes)
fi
for bench in "${benches[@]}"; do
  echo "== $bench"
  if [ "$bench" = sizes ]; then
    # The shipped 32-bit programs, as the release command builds and checks them.
    "$root/scripts/release.sh" | sed -n '/== Release check/,/== Release [0-9]/p' | sed '1d;$d'
  else
    "$WINE64" "$root/build/x64/bin/bench_$bench.exe"
  fi
done
