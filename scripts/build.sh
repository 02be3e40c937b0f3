#!/usr/bin/env bash
# Configures and builds into build/, with warnings as errors. $1 ("package" or "test") says
# which further packages to install first.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=$root/build
"$root/scripts/deps.sh" "${1:-}"
cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DPNR_WARNINGS_AS_ERRORS=ON >/dev/null
cmake --build "$build" --parallel "$(nproc)"
