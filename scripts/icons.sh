#!/usr/bin/env bash
# Renders the application icon's PNG sizes from its SVG (needs librsvg2-bin).
set -euo pipefail
icons=$(cd "$(dirname "$0")/../data/icons" && pwd)
for size in 16 32 48 64 128 256; do
    rsvg-convert -w "$size" -h "$size" "$icons/app.svg" -o "$icons/$size.png"
done
