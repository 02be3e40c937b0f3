#!/usr/bin/env bash
# Builds the Debian package from the build folder, checks its control data and contents,
# unpacks it and starts the unpacked program on a virtual display until its window shows.
# Usage: package.sh BUILD_DIR APP_ID
set -euo pipefail
build=$1
app_id=$2
here=$(cd "$(dirname "$0")" && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

(cd "$build" && cpack -G DEB -B "$work/cpack" >"$work/cpack.log") || { cat "$work/cpack.log"; exit 1; }
deb=$(ls "$work"/cpack/*.deb)
echo "built $(basename "$deb")"

fail() { echo "FAIL: $*"; exit 1; }

depends=$(dpkg-deb -f "$deb" Depends)
echo "Depends: $depends"
# Computed from the binary's libraries, so with versions, and naming Qt's and the C library.
names=$(sed 's/ *([^)]*)//g; s/, */\n/g' <<<"$depends")
for library in libc6 libstdc++6 libqt6widgets6 libqt6gui6 libqt6core6; do
    grep -qxF "$library" <<<"$names" || fail "Depends lacks $library"
done
grep -q '(>= ' <<<"$depends" || fail "Depends has no versions: not computed by dpkg-shlibdeps"

contents=$(dpkg-deb -c "$deb" | awk '{print $6}')
expected=(
    ./usr/bin/personnummer-kontroll
    "./usr/share/applications/$app_id.desktop"
    "./usr/share/metainfo/$app_id.metainfo.xml"
    "./usr/share/icons/hicolor/scalable/apps/$app_id.svg"
)
for size in 16 32 48 64 128 256; do
    expected+=("./usr/share/icons/hicolor/${size}x${size}/apps/$app_id.png")
done
for file in "${expected[@]}"; do
    grep -qxF "$file" <<<"$contents" || fail "the package lacks $file"
done
description=$(dpkg-deb -f "$deb" Description)
grep -q 'Ett litet verktyg för svenska personnummer' <<<"$description" || fail "no Swedish description"
grep -q 'A small desktop tool' <<<"$description" || fail "no English description"

dpkg -x "$deb" "$work/root"
"$here/hardening.sh" "$work/root/usr/bin/personnummer-kontroll"
"$here/smoke.sh" "$work/root/usr/bin/personnummer-kontroll"
