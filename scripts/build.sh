#!/usr/bin/env bash
# Configures and builds, with warnings as errors.
# Usage: build.sh [run|package|test] [sanitize]
#   The first word says which further Debian packages to install first; "sanitize" builds
#   into build-sanitize/ with AddressSanitizer and UndefinedBehaviorSanitizer instead of build/.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/scripts/deps.sh" "${1:-run}"
build=$root/build
options=(-DCMAKE_BUILD_TYPE=RelWithDebInfo -DPNR_WARNINGS_AS_ERRORS=ON)
if [ "${2:-}" = sanitize ]; then
    build=$root/build-sanitize
    options+=(-DPNR_SANITIZE=ON)
fi
cmake -S "$root" -B "$build" "${options[@]}" >/dev/null
cmake --build "$build" --parallel "$(nproc)"
