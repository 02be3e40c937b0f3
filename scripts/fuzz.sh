#!/usr/bin/env bash
# Fuzzes the three operations through the real window with libFuzzer, starting from the seed
# corpus of the tests' interesting inputs. Fails on the first crash or broken promise.
# Usage: fuzz.sh [SECONDS] [RUNS]   (defaults: 60 seconds, no limit on runs)
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
seconds=${1:-60}
runs=${2:--1}
"$root/scripts/deps.sh" test
build=$root/build-fuzz
cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_CXX_COMPILER=clang++ \
      -DPNR_FUZZ=ON >/dev/null
cmake --build "$build" --parallel "$(nproc)" --target fuzz_operations

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mkdir "$work/corpus"
cp "$root"/tests/fuzz/corpus/* "$work/corpus/"
export XDG_RUNTIME_DIR=$work LSAN_OPTIONS=suppressions=$root/tests/lsan.supp
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
cd "$work"
"$build/tests/fuzz/fuzz_operations" -max_len=64 -max_total_time="$seconds" -runs="$runs" \
    -print_final_stats=1 -dict="$root/tests/fuzz/operations.dict" corpus
