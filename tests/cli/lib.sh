# Sourced by every command-line test: `preset` is zarq-preset, `work` an empty folder removed
# afterwards; no display is reachable, as on a server.
set -euo pipefail
preset="$1"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
unset DISPLAY WAYLAND_DISPLAY
# The history of replaced presets goes here, not into the user's own.
export XDG_DATA_HOME="$work/.data"

fail() { echo "FAIL: $*" >&2; exit 1; }

# Runs a command, keeping its output in $work/out and $work/err, and checks its exit code.
expect_code() {
  local want=$1
  shift
  set +e
  "$@" >"$work/out" 2>"$work/err"
  local got=$?
  set -e
  [ "$got" -eq "$want" ] || fail "$* exited $got, expected $want: $(cat "$work/err")"
}

# Runs a command as expect_code does, and fails unless its standard error says TEXT.
expect_said() {
  local text=$2
  expect_code "$1" "${@:3}"
  grep -qF -- "$text" "$work/err" || fail "${*:3} did not say \"$text\": $(cat "$work/err")"
}
