#!/usr/bin/env bash
# scripts/run without a display: standard output carries the GPX track alone,
# so that it can be piped; everything said to the user goes to standard error.
set -euo pipefail
ROOT="$1"
BUILD="$2"
DEMO="$(mktemp -d)"
trap 'rm -rf "$DEMO"' EXIT

env -u DISPLAY -u WAYLAND_DISPLAY TORVA_BUILD_DIR="$BUILD" TORVA_DEMO_DIR="$DEMO" \
  "$ROOT/scripts/run" >"$DEMO/out.gpx" 2>"$DEMO/err.txt"
grep -q 'Writing a demo card' "$DEMO/err.txt" || { echo "no progress message on stderr"; exit 1; }
python3 - "$DEMO/out.gpx" <<'PY'
import sys
import xml.dom.minidom
points = xml.dom.minidom.parse(sys.argv[1]).getElementsByTagName("trkpt")
if not points:
    sys.exit("standard output is GPX without track points")
print(f"{len(points)} track points on standard output")
PY
