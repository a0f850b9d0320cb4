#!/usr/bin/env bash
# Sets up what is missing, builds both targets and runs every test under Wine.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)

"$root/scripts/setup.sh"
source "$root/scripts/wine-session.sh"
start_wine_session "$root/build/wine-prefix"
# A test that fails is run once more before the run counts as failed: on this
# shared machine a Wine process now and then dies before it starts. ctest
# names every test it had to repeat.
ctest --test-dir "$root/build/x64" --output-on-failure -j "$(nproc)" --timeout 300 --repeat until-pass:2 "$@"
