#!/usr/bin/env bash
# Configures and builds one build folder: tools/build.sh DIR [cmake options...]
set -euo pipefail
dir=$1
shift
cmake -S . -B "$dir" -G Ninja "$@" >/dev/null
cmake --build "$dir" -j"$(nproc)"
