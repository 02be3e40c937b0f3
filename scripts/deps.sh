#!/usr/bin/env bash
# Installs the Debian packages that are missing: those that building and running need; with
# "package" also those that building the Debian package needs; with "test" everything the
# tests need; with "bench" also the X library headers of the start-up benchmark.
set -euo pipefail

packages=(build-essential cmake qt6-base-dev fonts-liberation2)
case "${1:-}" in
package) packages+=(dpkg-dev file) ;;
test|bench) packages+=(dpkg-dev file xvfb xauth xdotool xclip faketime imagemagick checksec strace
                 clang libclang-rt-14-dev
                 desktop-file-utils appstream) ;;
esac
[ "${1:-}" = bench ] && packages+=(libx11-dev)

missing=()
for package in "${packages[@]}"; do
    status=$(dpkg-query -W -f='${Status}' "$package" 2>/dev/null || true)
    [ "$status" = "install ok installed" ] || missing+=("$package")
done
[ ${#missing[@]} -eq 0 ] && exit 0

echo "Installerar saknade paket: ${missing[*]}"
if [ "$(id -u)" -eq 0 ]; then
    as_root=()
elif command -v sudo >/dev/null; then
    as_root=(sudo)
else
    echo "Paketen ${missing[*]} saknas; installera dem som root (apt-get install)." >&2
    exit 1
fi
export DEBIAN_FRONTEND=noninteractive
"${as_root[@]}" apt-get update -q
"${as_root[@]}" apt-get install -y -q --no-install-recommends "${missing[@]}"
