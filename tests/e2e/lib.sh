# Helpers of the end-to-end tests, sourced by each test script run by run_e2e.sh (which
# runs the script with errexit, nounset and pipefail).
# Coordinates are client pixels of the editor's window.

ZARQ_TITLE="Zarq Radoziro 设置填写器"
EDITOR_PID=""
EDITOR_WID=""

fail() {
  echo "FAIL: $*" >&2
  exit 1
}

note() { echo "-- $*"; }

# True once COMMAND succeeds, tried every tenth of a second for up to SECONDS seconds.
eventually() {
  local seconds=$1
  shift
  for _ in $(seq $((seconds * 10))); do
    "$@" && return 0
    sleep 0.1
  done
  return 1
}

# Escapes a text for xdotool's extended regular expressions.
regex_quote() { printf '%s' "$1" | sed -e 's/[][\.*^$+?(){}|]/\\&/g'; }

# Prints the id of the visible window titled exactly TITLE, waiting up to TIMEOUT seconds.
find_window() {
  local title=$1 timeout=${2:-10} id
  local pattern="^$(regex_quote "$title")\$"
  for _ in $(seq $((timeout * 10))); do
    id=$(xdotool search --onlyvisible --name "$pattern" 2>/dev/null | head -n1) || true
    if [ -n "$id" ]; then
      echo "$id"
      return 0
    fi
    sleep 0.1
  done
  return 1
}

# True once no visible window is titled exactly TITLE (waits up to TIMEOUT seconds).
window_gone() {
  local title=$1 timeout=${2:-10}
  local pattern="^$(regex_quote "$title")\$"
  for _ in $(seq $((timeout * 10))); do
    xdotool search --onlyvisible --name "$pattern" >/dev/null 2>&1 || return 0
    sleep 0.1
  done
  return 1
}

# The title of the editor's window working in FOLDER (the current directory by default).
editor_title() { echo "$ZARQ_TITLE - $(basename "${1:-$PWD}")"; }

# Starts the editor with the given arguments; sets EDITOR_PID, and EDITOR_WID once the
# window working in $EDITOR_FOLDER (the current directory unless set) shows.
start_editor() {
  launch_editor "$@"
  take_editor_window "$(editor_title "${EDITOR_FOLDER:-$PWD}")"
}

# Starts the editor with the given arguments and sets EDITOR_PID, without waiting.
launch_editor() {
  "$ZARQ_EDITOR" "$@" >>"$ZARQ_E2E_LOGS/editor.log" 2>&1 &
  EDITOR_PID=$!
  echo "$EDITOR_PID" >>"$ZARQ_E2E_LOGS/pids"
}

# Waits up to TIMEOUT seconds (15) for the editor's window titled TITLE, sets EDITOR_WID and
# gives it the keyboard.
take_editor_window() {
  EDITOR_WID=$(find_window "$1" "${2:-15}") || fail "the editor's window titled $1 did not appear"
  take_keyboard
}

# Gives WINDOW (the editor's by default) the keyboard: without a window manager nothing does.
take_keyboard() {
  timeout 10 xdotool windowfocus --sync "${1:-$EDITOR_WID}" ||
    fail "window ${1:-$EDITOR_WID} did not take the keyboard"
}

# Presses KEYS in the window titled TITLE, which must show within 15 seconds and close after
# them.
answer_window() {
  local title=$1 window
  shift
  window=$(find_window "$title" 15) || fail "no window titled $title"
  take_keyboard "$window"
  keys "$@"
  # By its id: the next window may carry the same title.
  for _ in $(seq 100); do
    xwininfo -id "$window" 2>/dev/null | grep -q IsViewable || return 0
    sleep 0.1
  done
  fail "the window titled $title did not close after $*"
}

# Prints WIDTHxHEIGHT of a window's client area.
client_size() {
  xwininfo -id "$1" | awk '/^ *Width:/ {w=$2} /^ *Height:/ {h=$2} END {print w "x" h}'
}

move_to() { xdotool mousemove --window "$EDITOR_WID" "$1" "$2"; }

click_at() {
  xdotool mousemove --window "$EDITOR_WID" "$1" "$2" click 1
}

# Sends keys (xdotool names, e.g. ctrl+3, BackSpace) to the focused window.
keys() { xdotool key --clearmodifiers "$@"; }

# Types text into the focused window, one character after the other.
# xdotool types a character the keymap lacks by mapping it onto a spare key for one press and
# mapping the key back at once: an editor slow to read its events (a busy machine) then finds
# the key mapped back and loses the character. Such characters get a spare key of their own.
type_text() {
  local c sym map
  for c in $(printf %s "$1" | grep -oP '[^\x00-\x7F]' | sort -u); do
    sym=$(printf 'U%X' "'$c")
    map=$(xmodmap -pke)
    grep -q "= $sym " <<<"$map" ||
      xmodmap -e "keycode $(awk 'NF == 3 && $2 > 8 { print $2; exit }' <<<"$map") = $sym"
  done
  xdotool type --delay 30 "$1"
}

# The pointer rests where no arrow is hovered, so that no animation runs.
rest_pointer() { move_to 472 660; }

# Types TEXT into the chart ID of page 1 (clicked into, the character after the caret
# deleted first), the field many tests save and read back.
type_into_chart_id() {
  click_at 472 182
  keys Delete
  type_text "$1"
}

# Waits until WINDOW (the editor's by default) has handled every key and click sent before,
# as wait_handled.py finds out; a window that does not answer fails the test. Under Wine the
# answer only says that the window still reads its events: Wine tests wait for what the
# keys do instead.
input_handled() {
  /usr/bin/python3 "$ZARQ_E2E/wait_handled.py" "${1:-$EDITOR_WID}" ||
    fail "window ${1:-$EDITOR_WID} did not answer"
}

# Takes a screenshot of a window once it has handled the input sent before and two shots
# in a row agree, so that a frame still being drawn or an animation still running is not
# what gets compared.
screenshot() {
  local wid=$1 out=$2 previous="$ZARQ_E2E_LOGS/previous-shot.png"
  input_handled "$wid"
  grab_window "$wid" "$previous"
  for _ in $(seq 30); do
    sleep 0.15
    grab_window "$wid" "$out"
    [ "$(differing_pixels "$out" "$previous")" = 0 ] && return 0
    cp "$out" "$previous"
  done
  fail "the window's picture did not settle"
}

# One picture of a window. (import would wait for a click if the window were gone.)
grab_window() {
  xwininfo -id "$1" >/dev/null 2>&1 || fail "window $1 is not there to be photographed"
  timeout 10 import -window "$1" "$2" || fail "no screenshot of window $1"
}

# Number of pixels in which two images differ.
differing_pixels() {
  local result status=0
  result=$(compare -metric AE "$1" "$2" null: 2>&1) || status=$?
  # 0 alike, 1 different; anything else (e.g. sizes differ) is no answer at all.
  [ "$status" -le 1 ] || fail "cannot compare $1 with $2: $result"
  echo "$result" | awk '{print int($1)}'
}

# Number of nearly white pixels in the rectangle W x H at X,Y of an image.
white_pixels() {
  local image=$1 x=$2 y=$3 w=$4 h=$5
  convert "$image" -crop "${w}x${h}+${x}+${y}" +repage -colorspace Gray -threshold 90% \
    -format '%[fx:round(mean*w*h)]' info:
}

# Sum of the grey levels (0 to 1 each) in the rectangle W x H at X,Y of an image.
brightness() {
  local image=$1 x=$2 y=$3 w=$4 h=$5
  convert "$image" -crop "${w}x${h}+${x}+${y}" +repage -colorspace Gray \
    -format '%[fx:round(mean*w*h)]' info:
}

# What page N looks like in the window, drawn by zarq-preset from the current directory:
# the top-left 944 x 681 of the 960 x 720 frame. A test may draw it with another program
# (ZARQ_REFERENCE_PRESET) for a window of another size (ZARQ_CLIENT_SIZE).
reference_page() {
  local page=$1 out=$2 full="$ZARQ_E2E_LOGS/frame-$1.png"
  "${ZARQ_REFERENCE_PRESET:-$ZARQ_PRESET}" render --page "$page" --dir . -o "$full" ||
    fail "zarq-preset render --page $page failed"
  convert "$full" -crop "${ZARQ_CLIENT_SIZE:-944x681}+0+0" +repage "$out"
}

# The desktop's accessibility bus, on the session bus of the test's own (dbus-run-session),
# answering before the editor starts; the editor then publishes its objects there.
start_accessibility_bus() {
  unset NO_AT_BRIDGE
  /usr/libexec/at-spi-bus-launcher --launch-immediately >"$ZARQ_E2E_LOGS/at-spi.log" 2>&1 &
  echo $! >>"$ZARQ_E2E_LOGS/pids"
  for _ in $(seq 50); do
    dbus-send --session --print-reply --dest=org.a11y.Bus /org/a11y/bus org.a11y.Bus.GetAddress \
      >/dev/null 2>&1 && break
    sleep 0.1
  done
}

# Fails unless the window comes to show exactly the picture REFERENCE; the last screenshot
# is kept in SHOT. A slow machine, or Wine, which may answer before it acts, gets a few
# seconds.
expect_picture() {
  local wid=$1 reference=$2 shot=$3 diff
  for _ in $(seq 20); do
    screenshot "$wid" "$shot"
    diff=$(differing_pixels "$shot" "$reference")
    [ "$diff" = 0 ] && return 0
    sleep 0.3
  done
  fail "$shot differs from $reference in $diff pixels"
}

# Takes a screenshot SHOT of a window once it differs from the picture BEFORE in more than
# MIN pixels (0): what a key or click changed, which Wine may show late.
expect_change() {
  local wid=$1 before=$2 shot=$3 min=${4:-0} diff
  for _ in $(seq 20); do
    screenshot "$wid" "$shot"
    diff=$(differing_pixels "$shot" "$before")
    [ "$diff" -gt "$min" ] && return 0
    sleep 0.3
  done
  fail "$shot differs from $before in only $diff pixels"
}

# Fails unless the window comes to show exactly what zarq-preset draws for page N. The focus
# is let go first (Escape): a page turn puts it on the page's first control, which
# zarq-preset draws without.
expect_page() {
  local reference="${3%.png}-reference.png"
  keys Escape
  reference_page "$2" "$reference"
  expect_picture "$1" "$reference" "$3"
}

# Fails with WHAT unless the clipboard comes to hold TEXT, which a key put there.
expect_clipboard() {
  local got=""
  for _ in $(seq 50); do
    got=$(xclip -selection clipboard -o 2>/dev/null) || got=""
    [ "$got" = "$1" ] && return 0
    sleep 0.1
  done
  fail "$2: the clipboard holds \"$got\", not \"$1\""
}

# Copies the field being edited with Ctrl+C (all of it when nothing is selected) and fails
# unless it holds TEXT: the keys before have been acted on. Consecutive calls must expect
# different texts.
expect_field() {
  keys ctrl+c
  expect_clipboard "$1" "$2"
}

# Types TEXT into the chooser titled TITLE and presses Return, which must close it: into its
# location entry (Ctrl+L) with "location", else into the entry that has the keyboard (a save
# dialog's name).
enter_in_chooser() {
  local title=$1 text=$2 entry=${3:-location} dialog
  dialog=$(find_window "$title" 10) || fail "no chooser titled $title"
  timeout 10 xdotool windowfocus --sync "$dialog" || fail "the chooser did not take the keyboard"
  # Keys sent before the chooser has taken in its showing are lost.
  input_handled "$dialog"
  [ "$entry" != location ] || keys ctrl+l
  type_text "$text"
  input_handled "$dialog"
  # The chooser completes a typed path from a folder listing read in the background, shown
  # after a timer of its own that no ping waits for; a Return before it goes to the completion.
  sleep 0.5
  input_handled "$dialog"
  keys Return
  window_gone "$title" 10 || fail "the chooser titled $title did not close"
}

# Picks PATH in the file or folder chooser titled TITLE by typing it into the chooser's
# location entry, then gives the editor the keyboard back.
pick_in_chooser() {
  enter_in_chooser "$1" "$2"
  timeout 10 xdotool windowfocus --sync "$EDITOR_WID" || fail "the editor did not take the keyboard back"
}

# Closes a window by WM_DELETE_WINDOW, as its close box does.
close_window() { /usr/bin/python3 "$ZARQ_E2E/close_window.py" "$1"; }

# Closes the editor's window and fails unless the editor ends within TIMEOUT seconds (10)
# with exit code 0.
close_editor() {
  close_window "$EDITOR_WID"
  wait_editor_exit "${1:-10}"
  [ "$EDITOR_EXIT" = 0 ] || fail "the editor's close: exit $EDITOR_EXIT"
}

# Answers the close's question after a failed save with Yes (save elsewhere), saves to PATH
# through the save dialog and fails unless the editor then ends with exit code 0.
save_elsewhere_at_close() {
  local question="$ZARQ_TITLE - 保存"
  answer_window "$question" Return
  pick_in_chooser "另存为" "$1"
  # "保存预设成功！", as Ctrl+S says it, then the window closes.
  answer_window "$question" Return
  wait_editor_exit 10
  [ "$EDITOR_EXIT" = 0 ] || fail "saved elsewhere: exit $EDITOR_EXIT"
}

# The zoom the editor keeps for its next start ("none" before it keeps one).
kept_zoom() { cat "$XDG_CONFIG_HOME/zarq-settings/zoom" 2>/dev/null || echo none; }
kept_zoom_is() { [ "$(kept_zoom)" = "$1" ]; }
# Fails unless the zoom kept comes to be PERCENT: the window shows a new zoom before it is
# written.
expect_kept() { eventually 3 kept_zoom_is "$1" || fail "the zoom kept is $(kept_zoom), not $1"; }

# Prints the chart ID of the preset FILE, which zarq-preset must be able to read.
chart_id_of() {
  "$ZARQ_PRESET" dump --fields chartId "$1" >"$ZARQ_E2E_LOGS/chart-id.json" || fail "no readable preset in $1"
  /usr/bin/python3 -c 'import json,sys; print(json.load(open(sys.argv[1]))["chartId"])' \
    "$ZARQ_E2E_LOGS/chart-id.json"
}

# Waits up to TIMEOUT seconds for the editor to end; sets EDITOR_EXIT to its exit code
# ("running" if it did not end). Not to be called in $(...): only this shell can wait.
wait_editor_exit() {
  local timeout=${1:-10}
  EDITOR_EXIT=running
  for _ in $(seq $((timeout * 10))); do
    if ! kill -0 "$EDITOR_PID" 2>/dev/null; then
      EDITOR_EXIT=0
      wait "$EDITOR_PID" || EDITOR_EXIT=$?
      return 0
    fi
    sleep 0.1
  done
}

# Makes the chart folder ../charts/big with SIZE (as head -c takes it) of music written out
# (a sparse file would be copied in a moment), and prints its path.
big_chart_folder() {
  local folder
  folder="$(cd .. && pwd)/charts/big"
  mkdir -p "$folder"
  printf '{"ZarqVersion": 120, "name": "Big", "background": "big.png", "song": "big.wav"}\n' \
    >"$folder/big.json"
  cp "$ZARQ_E2E/../../examples/demo-chart/demo-chart.png" "$folder/big.png"
  head -c "$1" /dev/zero >"$folder/big.wav"
  echo "$folder"
}

# Drags files from a stand-in file manager and drops them at X,Y of the editor's window.
drop_files() {
  local x=$1 y=$2
  shift 2
  /usr/bin/python3 "$ZARQ_E2E/drag_source.py" "$@" >>"$ZARQ_E2E_LOGS/drag.log" 2>&1 &
  local source_pid=$!
  echo "$source_pid" >>"$ZARQ_E2E_LOGS/pids"
  local source
  source=$(find_window "zarq drag source" 10) || fail "the drag source did not appear"
  xdotool mousemove --window "$source" 60 60 mousedown 1 sleep 0.1 \
    mousemove --window "$source" 80 80 sleep 0.1 \
    mousemove --window "$EDITOR_WID" "$((x - 20))" "$((y - 20))" sleep 0.2 \
    mousemove --window "$EDITOR_WID" "$x" "$y"
  # A drop counts only where the target has told the source that it takes it: the source
  # has moved the drag there, the editor has answered, the source has read the answer.
  input_handled "$source"
  input_handled "$EDITOR_WID"
  input_handled "$source"
  xdotool mouseup 1
  wait "$source_pid" 2>/dev/null || true
}
