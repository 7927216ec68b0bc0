# A full disk as a user meets it, the editor's folder being a small tmpfs. The chart-folder
# import's music does not fit: a message says so, and no cut music is left under its name.
# Closing the window with the disk full asks whether to save the form elsewhere (Yes), close
# without saving (No) or go back to the window (Cancel); a signal saves the form to the
# user's data folder and says where.
. "$ZARQ_E2E/lib.sh"

[ "$(id -u)" = 0 ] || { note "skipped: mounting a tmpfs takes root"; exit 77; }
work=$(pwd)
charts=$(cd .. && pwd)/charts
mkdir -p "$charts/song" disk
mount -t tmpfs -o size=2m tmpfs disk || { note "skipped: no tmpfs may be mounted here"; exit 77; }
# Lazily: the editor may still hold the folder when the test ends early.
trap 'cd "$work" && umount -l disk' EXIT
printf '{"ZarqVersion": 120, "name": "Song", "background": "song.png", "song": "song.wav"}\n' \
  >"$charts/song/song.json"
cp "$ZARQ_E2E/../../examples/demo-chart/demo-chart.png" "$charts/song/song.png"
head -c 3000000 /dev/urandom >"$charts/song/song.wav"
cd disk

no_leftovers() {
  local left
  left=$(find . -name '.zarq-*.tmp')
  [ -z "$left" ] || fail "$1: temporary files left: $left"
}

# The question of the failed autosave: Return is Yes, Right Return is No, Escape is Cancel.
QUESTION="Zarq Radoziro 设置填写器 - 保存"

start_editor
rest_pointer
keys ctrl+shift+o
pick_in_chooser "打开 Zarq 谱面文件夹" "$charts/song"
message=$(find_window "Zarq Radoziro 设置填写器 - 打开 Zarq 谱面文件夹" 20) ||
  fail "the music that did not fit was not reported"
screenshot "$message" "$ZARQ_E2E_LOGS/music-full.png"
[ ! -e song.WAV ] || fail "a cut music file carries the real name: $(stat -c %s song.WAV) bytes"
no_leftovers "the music copy"
[ -s song.json ] && [ -s song.PNG ] || fail "the chart and the picture, which fit, were not copied"
answer_window "Zarq Radoziro 设置填写器 - 打开 Zarq 谱面文件夹" Return
note "the music that did not fit was reported and not kept"

# Now nothing fits, not even the form.
head -c 3000000 /dev/zero >filler 2>/dev/null || true
close_window "$EDITOR_WID"
question=$(find_window "$QUESTION" 10) || fail "no question at the close"
screenshot "$question" "$ZARQ_E2E_LOGS/question.png"
answer_window "$QUESTION" Escape
input_handled
kill -0 "$EDITOR_PID" 2>/dev/null || fail "Cancel closed the editor"
close_window "$EDITOR_WID"
save_elsewhere_at_close "$work/rescued"
"$ZARQ_PRESET" dump "$work/rescued.set" | grep -q '"chartId": "song"' ||
  fail "the form saved elsewhere is not the one on screen"
[ ! -e save.set ] || fail "a save.set was written on a full disk"
no_leftovers "the close"
note "a failed autosave asks; Cancel stays, Yes saves elsewhere"

start_editor
rest_pointer
close_window "$EDITOR_WID"
answer_window "$QUESTION" Right Return
wait_editor_exit 10
[ "$EDITOR_EXIT" = 4 ] || fail "closed without saving: exit $EDITOR_EXIT"
no_leftovers "closing without saving"

# A signal while the question is open: no one is there to answer it.
: >"$ZARQ_E2E_LOGS/editor.log"
start_editor
rest_pointer
close_window "$EDITOR_WID"
find_window "$QUESTION" 10 >/dev/null || fail "no question at the close"
kill -TERM "$EDITOR_PID"
wait_editor_exit 10
[ "$EDITOR_EXIT" = 3 ] || fail "SIGTERM on a full disk, the form in the fallback: exit $EDITOR_EXIT"
rescued=$(sed -n 's/.*; it was saved to \(.*\)$/\1/p' "$ZARQ_E2E_LOGS/editor.log")
case "$rescued" in
  "$XDG_DATA_HOME"/zarq-settings/save-*.set) ;;
  *) fail "the fallback file is not named on stderr: $(cat "$ZARQ_E2E_LOGS/editor.log")" ;;
esac
# No save.set was ever written on this disk: the form is the one a fresh editor shows.
"$ZARQ_PRESET" dump "$rescued" | grep -q '"chartId": "20220924"' ||
  fail "the fallback file lacks the form"
no_leftovers "the end of the session"
note "a signal on a full disk saves the form to $rescued"
