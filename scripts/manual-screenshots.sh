#!/usr/bin/env bash
# Renews the pictures of the user manual and the README from the real windows, under Xvfb
# when no display is at hand. Run after a build (./test or ./run).
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cmake --build "$root/build" --target manual_shots >/dev/null
if [ -z "${DISPLAY:-}" ]; then
  Xvfb :97 -screen 0 1280x1024x24 >/dev/null 2>&1 &
  xvfb=$!
  trap 'kill $xvfb' EXIT
  export DISPLAY=:97
  sleep 1
fi
"$root/build/tools/manual/manual_shots" "$root/docs/manual/images"
echo "pictures written to docs/manual/images"
