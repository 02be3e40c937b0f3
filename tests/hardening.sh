#!/usr/bin/env bash
# Fails unless the binary has full RELRO, a stack canary, a non-executable stack, is
# position-independent and uses fortified C library calls.
# Usage: hardening.sh BINARY
set -euo pipefail
report=$(checksec --output=csv --file="$1")
echo "$report"
IFS=, read -r relro canary nx pie _rpath _runpath _symbols fortify _rest <<<"$report"
failed=0
check() { [ "$2" = "$3" ] || { echo "FAIL: $1 is '$2', not '$3'"; failed=1; }; }
check RELRO "$relro" "Full RELRO"
check "stack canary" "$canary" "Canary found"
check NX "$nx" "NX enabled"
check PIE "$pie" "PIE enabled"
check FORTIFY "$fortify" "Yes"
exit $failed
