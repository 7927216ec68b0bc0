# Only one editor works in a folder: a second one started there says that the folder is open
# in another editor window and ends without touching "save.set", so that the first one's
# close is the only one that writes it. A killed editor leaves no lock behind.
. "$ZARQ_E2E/lib.sh"

"$ZARQ_PRESET" make <(echo '{"chartId": "before"}') -o save.set
start_editor
first_pid=$EDITOR_PID
first_wid=$EDITOR_WID
rest_pointer
type_into_chart_id "first"

"$ZARQ_EDITOR" >"$ZARQ_E2E_LOGS/second.log" 2>&1 &
second_pid=$!
echo "$second_pid" >>"$ZARQ_E2E_LOGS/pids"
message=$(timeout 15 xdotool search --sync --onlyvisible --pid "$second_pid" | head -n1) ||
  fail "the second editor said nothing"
[ "$(xdotool getwindowname "$message")" = "$ZARQ_TITLE" ] || fail "not the editor's message"
screenshot "$message" "$ZARQ_E2E_LOGS/folder-in-use.png"
timeout 10 xdotool windowfocus --sync "$message"
keys Return
EDITOR_PID=$second_pid
wait_editor_exit 10
[ "$EDITOR_EXIT" = 1 ] || fail "the second editor: exit $EDITOR_EXIT"
grep -q "is open in another editor window" "$ZARQ_E2E_LOGS/second.log" ||
  fail "the second editor's line on stderr: $(cat "$ZARQ_E2E_LOGS/second.log")"
"$ZARQ_PRESET" dump save.set | grep -q '"chartId": "before"' || fail "the second editor wrote save.set"

EDITOR_PID=$first_pid
kill -0 "$EDITOR_PID" || fail "the first editor ended too"
close_window "$first_wid"
wait_editor_exit 10
[ "$EDITOR_EXIT" = 0 ] || fail "the first editor: exit $EDITOR_EXIT"
"$ZARQ_PRESET" dump save.set | grep -q '"chartId": "first"' || fail "the first editor's close lost its form"

# A killed editor's lock ends with it.
start_editor
kill -KILL "$EDITOR_PID"
wait_editor_exit 10
start_editor
close_editor
note "a second editor in the folder is turned away; a killed one leaves no lock"
