#!/usr/bin/env bash
# Builds the product, lays out its working folder and starts vela in it. When COM 1 has no
# device of its own, a simulated family A communicator stands in for it at /tmp/vela-com1
# (VELA_SIM=1 forces the simulator, VELA_SIM=0 never starts it).
set -euo pipefail
cd "$(dirname "$0")/.."
tools/deps.sh
tools/build.sh build -DCMAKE_BUILD_TYPE=Release
cd build/work

link=/tmp/vela-com1
settings="${XDG_CONFIG_HOME:-$HOME/.config}/Vela/Vela.ini"

# The value of key $1 in section [Communication] of the settings file, empty when unset.
com_setting() {
  [ -f "$settings" ] || return 0
  awk -v key="$1" '
    /^\[/ { section = $0; next }
    section == "[Communication]" && index($0, key "=") == 1 { print substr($0, length(key) + 2) }
  ' "$settings" | tail -n 1
}

# Sets (value given) or removes (no value) key $1 in section [Communication].
set_com_setting() {
  mkdir -p "$(dirname "$settings")"
  touch "$settings"
  local tmp="$settings.tmp.$$"
  awk -v key="$1" -v value="${2-}" -v set="${2+yes}" '
    /^\[/ { section = $0; print; if (section == "[Communication]" && set == "yes") { print key "=" value; done = 1 }; next }
    section == "[Communication]" && index($0, key "=") == 1 { next }
    { print }
    END {
      if (set == "yes" && !done) {
        if (NR > 0) print ""
        print "[Communication]"
        print key "=" value
      }
    }
  ' "$settings" > "$tmp"
  mv "$tmp" "$settings"
}

use_sim=${VELA_SIM:-}
if [ -z "$use_sim" ]; then
  current=$(com_setting COM1)
  use_sim=0
  if [ -z "$current" ] || [ "$current" = "$link" ]; then
    ../sim/vela-sim --probe /dev/ttyS0 || use_sim=1
  fi
fi

sim_pid=""
stop_sim() {
  if [ -n "$sim_pid" ]; then
    kill "$sim_pid" 2>/dev/null || true
    wait "$sim_pid" 2>/dev/null || true
    sim_pid=""
    # The setting pointed at the simulator only for this run.
    [ "$(com_setting COM1)" = "$link" ] && set_com_setting COM1
  fi
}

if [ "$use_sim" = 1 ]; then
  ../sim/vela-sim --family A --sim "$PWD/sim-com1.txt" --link "$link" > /dev/null &
  sim_pid=$!
  trap stop_sim EXIT
  trap 'exit 130' INT TERM
  for _ in $(seq 50); do [ -L "$link" ] && break; sleep 0.1; done
  if [ ! -L "$link" ]; then
    echo "The simulated communicator did not start." >&2
    exit 1
  fi
  set_com_setting COM1 "$link"
  echo "COM 1 is a simulated communicator (family A) at $link; its SIM is kept in build/work/sim-com1.txt."
fi

status=0
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
  echo "No display: starting vela on a virtual X server (xvfb-run)."
  xvfb-run -a ../src/shell/vela "$@" || status=$?
else
  ../src/shell/vela "$@" || status=$?
fi
exit "$status"
