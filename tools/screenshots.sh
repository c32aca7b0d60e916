#!/usr/bin/env bash
# Renders the windows of this build into docs/screenshots under a virtual X server.
set -euo pipefail
cd "$(dirname "$0")/.."
tools/deps.sh
tools/build.sh build -DCMAKE_BUILD_TYPE=Release
export XDG_CONFIG_HOME=$(mktemp -d)
trap 'rm -rf "$XDG_CONFIG_HOME"' EXIT
xvfb-run -a -s "-screen 0 1280x900x24" build/tools/vela-screenshots build/work docs/screenshots
