#!/usr/bin/env bash
# Builds the program and runs every test.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/scripts/build.sh" test
ctest --test-dir "$root/build" --output-on-failure --timeout 300
