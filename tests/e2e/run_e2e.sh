#!/usr/bin/env bash
# Runs one end-to-end test script against the real window on a private Xvfb server.
#
#   run_e2e.sh SCRIPT EDITOR_BIN PRESET_BIN
#
# The script runs in a fresh empty directory (the editor's current directory) with
# ZARQ_EDITOR, ZARQ_PRESET and ZARQ_E2E (this folder, for lib.sh) set, and stops at the
# first failing command. Its exit code is the test's. The directory is removed when the test passes and kept for a look when it fails.
set -uo pipefail

if [ $# -ne 3 ]; then
  echo "usage: $0 SCRIPT EDITOR_BIN PRESET_BIN" >&2
  exit 2
fi
script=$(realpath "$1")
ZARQ_EDITOR=$(realpath "$2")
ZARQ_PRESET=$(realpath "$3")
ZARQ_E2E=$(cd "$(dirname "$0")" && pwd)
export ZARQ_EDITOR ZARQ_PRESET ZARQ_E2E

root=$(mktemp -d "${TMPDIR:-/tmp}/zarq-e2e.XXXXXX")
mkdir -p "$root/work" "$root/home" "$root/logs"
export ZARQ_E2E_LOGS="$root/logs"
: >"$root/logs/pids"

xvfb_pid=""
teardown() {
  local pid
  while read -r pid; do
    [ -n "$pid" ] && kill "$pid" 2>/dev/null
  done <"$root/logs/pids"
  if [ -n "$xvfb_pid" ]; then
    kill "$xvfb_pid" 2>/dev/null
    wait "$xvfb_pid" 2>/dev/null
  fi
}
trap teardown EXIT

# Xvfb chooses a free display itself and writes its number to the descriptor given. By
# default it resets whenever its last client leaves, and a client connecting during the
# reset is refused: the readiness probe below leaving just before the editor arrives would
# make the editor fail to open the display. -noreset keeps it up.
# A test may ask for another screen with a line "# e2e-screen: WxHxDEPTH".
# The keyboard repeats a key only after it is held 3 s: on a busy machine the release of a
# typed key can come late, and at the usual 0.66 s it would type that key twice.
screen=$(sed -n 's/^# e2e-screen: *//p' "$script" | head -n1)
Xvfb -displayfd 3 -screen 0 "${screen:-2048x1536x24}" -nolisten tcp -noreset -ardelay 3000 \
  3>"$root/logs/display" >"$root/logs/xvfb.log" 2>&1 &
xvfb_pid=$!
for _ in $(seq 200); do
  [ -s "$root/logs/display" ] && break
  sleep 0.05
done
if [ ! -s "$root/logs/display" ]; then
  echo "Xvfb did not start:" >&2
  cat "$root/logs/xvfb.log" >&2
  exit 1
fi
export DISPLAY=":$(head -n1 "$root/logs/display")"
# The number is written before the server takes connections; wait until it does.
for _ in $(seq 200); do
  xdotool getdisplaygeometry >/dev/null 2>&1 && break
  sleep 0.05
done
xdotool getdisplaygeometry >/dev/null 2>&1 || {
  echo "Xvfb on $DISPLAY takes no connections" >&2
  exit 1
}

# The same conditions on every machine: the display's own input method, no accessibility
# bus, settings kept in memory, a home of the test's own for GTK's recent files.
export GDK_BACKEND=x11 GTK_IM_MODULE=gtk-im-context-simple NO_AT_BRIDGE=1
export GSETTINGS_BACKEND=memory
export LC_ALL=C.UTF-8 HOME="$root/home" XDG_CONFIG_HOME="$root/home/.config"
export XDG_DATA_HOME="$root/home/.local/share" XDG_CACHE_HOME="$root/home/.cache"
unset XMODIFIERS

cd "$root/work"
rc=0
bash -euo pipefail "$script" || rc=$?
teardown
trap - EXIT

# 77: the test could not run here (it says why), which ctest counts as skipped.
if [ $rc -eq 0 ] || [ $rc -eq 77 ]; then
  rm -rf "$root"
else
  echo "test failed (exit $rc); its files are kept in $root" >&2
  for log in "$root"/logs/*.log; do
    [ -s "$log" ] || continue
    echo "--- $(basename "$log")" >&2
    tail -n 20 "$log" >&2
  done
fi
exit $rc
