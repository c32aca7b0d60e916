#!/usr/bin/env bash
# Builds the product, lays out its working folder and starts vela in it.
set -euo pipefail
cd "$(dirname "$0")/.."
tools/deps.sh
tools/build.sh build -DCMAKE_BUILD_TYPE=Release
cd build/work
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
  echo "No display: starting vela on a virtual X server (xvfb-run)."
  exec xvfb-run -a ../src/shell/vela "$@"
fi
exec ../src/shell/vela "$@"
