#!/usr/bin/env bash
# Builds the program and runs every test: in the normal build, again with the sanitizers,
# and a short fuzzing run of the three operations.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)

"$root/scripts/build.sh" test
ctest --test-dir "$root/build" --output-on-failure --timeout 300

"$root/scripts/build.sh" test sanitize
ctest --test-dir "$root/build-sanitize" --output-on-failure --timeout 600

"$root/scripts/fuzz.sh" 60
