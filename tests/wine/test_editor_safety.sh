# zarq-settings.exe under Wine: a second editor started in the same folder brings the first
# one's window (or the message box it shows) to the front and ends; a "save.set" made
# read-only while the editor runs is not written at the close, which asks (Yes, No, Cancel)
# instead of ending silently.
. "$ZARQ_E2E/lib.sh"

# Starts a second editor in the folder, which must end at once with exit code 0.
second_editor() {
  launch_editor
  wait_editor_exit 30
  [ "$EDITOR_EXIT" = 0 ] || fail "the second editor $1: exit $EDITOR_EXIT"
  EDITOR_PID=$first_pid
}

start_editor
first_pid=$EDITOR_PID
rest_pointer
second_editor "beside the first"
# The window's title names the folder after the editor; nothing found is no window at all.
windows=$({ xdotool search --onlyvisible --name "^$(regex_quote "$(editor_title)")\$" || true; } | wc -l)
[ "$windows" = 1 ] || fail "$windows editor windows after the second start"
kill -0 "$EDITOR_PID" || fail "the first editor ended too"

# While the first shows a message box, the second brings that box to the front: it keeps the
# keyboard, and Return answers it.
click_at 472 144
find_window "$ZARQ_TITLE - 谱面ID" 10 >/dev/null || fail "no help for 谱面ID"
second_editor "over a message box"
answer_window "$ZARQ_TITLE - 谱面ID" Return

close_editor 15
[ -f save.set ] || fail "closing wrote no save.set"
chmod a-w save.set
before=$(md5sum <save.set)

start_editor
rest_pointer
close_window "$EDITOR_WID"
question=$(find_window "$ZARQ_TITLE - 保存" 15) || fail "the failed autosave asked nothing"
screenshot "$question" "$ZARQ_E2E_LOGS/question.png"
answer_window "$ZARQ_TITLE - 保存" Escape
input_handled
kill -0 "$EDITOR_PID" || fail "Cancel ended the editor"
close_window "$EDITOR_WID"
# No: the second button (Wine's buttons carry no letter to press).
answer_window "$ZARQ_TITLE - 保存" Tab Return
wait_editor_exit 15
[ "$EDITOR_EXIT" = 4 ] || fail "closed without saving: exit $EDITOR_EXIT, not 4"
[ "$(md5sum <save.set)" = "$before" ] || fail "the read-only save.set was written"
[ -z "$(find . -name '.zarq-*.tmp')" ] || fail "temporary files were left"
note "one Windows editor per folder; a save.set that may not be written makes the close ask"
