#!/usr/bin/env bash
# Configures and builds into build/ (or the folder given as $1), with warnings as errors.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${1:-$root/build}
"$root/scripts/deps.sh"
cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DPNR_WARNINGS_AS_ERRORS=ON >/dev/null
cmake --build "$build" --parallel "$(nproc)"
