# The display going away under a running editor (its X server killed, as a crash or a
# dropped remote session does) saves the form as a signal does, says where on stderr, and
# the exit status tells the three outcomes apart: 0 saved in save.set, 3 saved in the
# fallback file, 4 saved nowhere.
. "$ZARQ_E2E/lib.sh"

[ "$(id -u)" = 0 ] || { note "skipped: mounting a tmpfs takes root"; exit 77; }
work=$(pwd)
mkdir disk
mount -t tmpfs -o size=1m tmpfs disk || { note "skipped: no tmpfs may be mounted here"; exit 77; }
trap 'cd "$work" && umount -l disk' EXIT
cd disk

# Starts the editor on a display of its own, types into the chart ID, then kills that
# display; EDITOR_EXIT and the editor's stderr (said.log) tell the rest.
editor_loses_its_display() {
  local typed=$1 display xvfb
  Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp -noreset -ardelay 3000 \
    3>"$ZARQ_E2E_LOGS/display.txt" 2>/dev/null &
  xvfb=$!
  echo "$xvfb" >>"$ZARQ_E2E_LOGS/pids"
  for _ in $(seq 100); do [ -s "$ZARQ_E2E_LOGS/display.txt" ] && break; sleep 0.05; done
  display=:$(head -n1 "$ZARQ_E2E_LOGS/display.txt")
  rm "$ZARQ_E2E_LOGS/display.txt"
  DISPLAY=$display
  for _ in $(seq 100); do xdotool getdisplaygeometry >/dev/null 2>&1 && break; sleep 0.05; done
  "$ZARQ_EDITOR" 2>"$ZARQ_E2E_LOGS/said.log" &
  EDITOR_PID=$!
  echo "$EDITOR_PID" >>"$ZARQ_E2E_LOGS/pids"
  take_editor_window "$(editor_title)"
  rest_pointer
  type_into_chart_id "$typed"
  sleep 0.5
  [ -z "${2:-}" ] || eval "$2"
  kill -KILL "$xvfb"
  wait "$xvfb" 2>/dev/null || true
  wait_editor_exit 5
  DISPLAY=$ZARQ_MAIN_DISPLAY
}
ZARQ_MAIN_DISPLAY=$DISPLAY

chart_id_in() { "$ZARQ_PRESET" dump --fields chartId "$1" | grep -o "\"$2\"" >/dev/null; }

editor_loses_its_display saved
[ "$EDITOR_EXIT" = 0 ] || fail "saved in save.set: exit status $EDITOR_EXIT"
chart_id_in save.set saved || fail "what was typed is not in save.set"
[ ! -e .zarq-settings.lock ] || fail "the folder's lock stayed after the editor ended"
grep -q "saved to .*save.set" "$ZARQ_E2E_LOGS/said.log" ||
  fail "stderr does not say where: $(cat "$ZARQ_E2E_LOGS/said.log")"
note "the display killed: the form is in save.set, exit 0"

# The disk full under save.set: the form goes to the user's data folder.
editor_loses_its_display fallback 'head -c 2000000 /dev/zero >filler 2>/dev/null || true'
[ "$EDITOR_EXIT" = 3 ] || fail "saved in the fallback: exit status $EDITOR_EXIT"
rescued=$(sed -n 's/.*; it was saved to \(.*\)$/\1/p' "$ZARQ_E2E_LOGS/said.log")
chart_id_in "$rescued" fallback || fail "the fallback file lacks what was typed: $rescued"
note "save.set unwritable: the form is in $rescued, exit 3"

# Nor a data folder to be had: the form is lost, and the status says so.
XDG_DATA_HOME=$work/disk/filler editor_loses_its_display lost
[ "$EDITOR_EXIT" = 4 ] || fail "saved nowhere: exit status $EDITOR_EXIT"
grep -q "it is lost" "$ZARQ_E2E_LOGS/said.log" || fail "stderr does not say the form is lost"
note "nowhere to save: exit 4"
