# Ctrl+C, a kill and a hang-up end the session as closing the window does: what was typed is
# in save.set, and the exit status names the signal. A dialog open at the time is closed
# first, as if cancelled.
. "$ZARQ_E2E/lib.sh"

chart_id_saved() {
  "$ZARQ_PRESET" dump save.set >saved.json || fail "$1: no readable save.set"
  /usr/bin/python3 -c 'import json,sys; print(json.load(open(sys.argv[1]))["chartId"])' saved.json
}

for case in "TERM 143" "INT 130" "HUP 129"; do
  read -r signal status <<<"$case"
  rm -f save.set
  start_editor
  rest_pointer
  # Into the chart ID, still being edited when the signal comes.
  click_at 472 182
  keys Delete
  type_text "sig$signal"
  # A signal overtakes keys the window has not read yet.
  input_handled
  kill "-$signal" "$EDITOR_PID"
  wait_editor_exit 10
  [ "$EDITOR_EXIT" = "$status" ] || fail "SIG$signal: exit status $EDITOR_EXIT, not $status"
  [ "$(chart_id_saved "SIG$signal")" = "sig$signal" ] || fail "SIG$signal: the typed text was not saved"
done

rm -f save.set
start_editor
rest_pointer
click_at 472 182
keys Delete
type_text "dialog"
keys ctrl+s
find_window "另存为" 10 >/dev/null || fail "Ctrl+S opened no save dialog"
kill -TERM "$EDITOR_PID"
wait_editor_exit 10
[ "$EDITOR_EXIT" = 143 ] || fail "with the save dialog open: exit status $EDITOR_EXIT"
[ "$(chart_id_saved "dialog")" = dialog ] || fail "with the save dialog open: not saved"
[ "$(ls -- *.set)" = save.set ] || fail "the cancelled dialog saved a preset: $(ls -- *.set)"
note "SIGTERM, SIGINT and SIGHUP save the session before the editor ends"
