# zarq-settings.exe under Wine: a second editor started in the same folder brings the first
# one's window (or the message box it shows) to the front and ends; a "save.set" made
# read-only while the editor runs is not written at the close, which asks (Yes, No, Cancel)
# instead of ending silently.
. "$ZARQ_E2E/lib.sh"

start_editor
first_pid=$EDITOR_PID
rest_pointer
"$ZARQ_EDITOR" >"$ZARQ_E2E_LOGS/second.log" 2>&1 &
second_pid=$!
echo "$second_pid" >>"$ZARQ_E2E_LOGS/pids"
EDITOR_PID=$second_pid
wait_editor_exit 30
[ "$EDITOR_EXIT" = 0 ] || fail "the second editor: exit $EDITOR_EXIT"
# The window's title names the folder after the editor; nothing found is no window at all.
windows=$({ xdotool search --onlyvisible --name "^$(regex_quote "$(editor_title)")\$" || true; } | wc -l)
[ "$windows" = 1 ] || fail "$windows editor windows after the second start"
EDITOR_PID=$first_pid
kill -0 "$EDITOR_PID" || fail "the first editor ended too"

# While the first shows a message box, the second brings that box to the front: it keeps the
# keyboard, and Return answers it.
click_at 472 144
help=$(find_window "$ZARQ_TITLE - 谱面ID" 10) || fail "no help for 谱面ID"
"$ZARQ_EDITOR" >>"$ZARQ_E2E_LOGS/second.log" 2>&1 &
second_pid=$!
echo "$second_pid" >>"$ZARQ_E2E_LOGS/pids"
EDITOR_PID=$second_pid
wait_editor_exit 30
[ "$EDITOR_EXIT" = 0 ] || fail "the second editor over a message box: exit $EDITOR_EXIT"
EDITOR_PID=$first_pid
timeout 10 xdotool windowfocus --sync "$help"
keys Return
window_gone "$ZARQ_TITLE - 谱面ID" 5 || fail "the message box lost the keyboard to the second start"

close_window "$EDITOR_WID"
wait_editor_exit 15
[ "$EDITOR_EXIT" = 0 ] || fail "closing: exit $EDITOR_EXIT"
[ -f save.set ] || fail "closing wrote no save.set"
chmod a-w save.set
before=$(md5sum <save.set)

start_editor
rest_pointer
close_window "$EDITOR_WID"
question=$(find_window "$ZARQ_TITLE - 保存" 15) || fail "the failed autosave asked nothing"
screenshot "$question" "$ZARQ_E2E_LOGS/question.png"
timeout 10 xdotool windowfocus --sync "$question"
keys Escape
window_gone "$ZARQ_TITLE - 保存" 5 || fail "Escape did not close the question"
input_handled
kill -0 "$EDITOR_PID" || fail "Cancel ended the editor"
close_window "$EDITOR_WID"
question=$(find_window "$ZARQ_TITLE - 保存" 15) || fail "the second close asked nothing"
timeout 10 xdotool windowfocus --sync "$question"
# No: the second button (Wine's buttons carry no letter to press).
keys Tab Return
wait_editor_exit 15
[ "$EDITOR_EXIT" = 4 ] || fail "closed without saving: exit $EDITOR_EXIT, not 4"
[ "$(md5sum <save.set)" = "$before" ] || fail "the read-only save.set was written"
[ -z "$(find . -name '.zarq-*.tmp')" ] || fail "temporary files were left"
note "one Windows editor per folder; a save.set that may not be written makes the close ask"
