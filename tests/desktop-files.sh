#!/usr/bin/env bash
# Installs into a temporary root and validates the installed desktop entry and metainfo.
# Usage: desktop-files.sh BUILD_DIR APP_ID
set -euo pipefail
build=$1
app_id=$2
root=$(mktemp -d)
trap 'rm -rf "$root"' EXIT
DESTDIR=$root cmake --install "$build" --prefix /usr >/dev/null
desktop-file-validate "$root/usr/share/applications/$app_id.desktop"
appstreamcli validate --no-net --explain "$root/usr/share/metainfo/$app_id.metainfo.xml"
