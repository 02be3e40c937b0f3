#!/usr/bin/env bash
# Builds the program and its Debian package, build/personnummer-kontroll_VERSION_ARCH.deb.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/scripts/build.sh" package
cd "$root/build"
cpack -G DEB
