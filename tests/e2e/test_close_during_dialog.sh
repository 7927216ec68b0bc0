# The close box pressed while the open dialog is up is not forgotten: once the dialog is
# closed, the editor saves the form and ends.
. "$ZARQ_E2E/lib.sh"

start_editor
rest_pointer

keys ctrl+o
chooser=$(find_window "打开" 10) || fail "Ctrl+O showed no open dialog"
close_window "$EDITOR_WID"
sleep 1
kill -0 "$EDITOR_PID" 2>/dev/null || fail "the editor ended with its dialog still open"
timeout 10 xdotool windowfocus --sync "$chooser" || fail "the open dialog did not take the keyboard"
keys Escape
wait_editor_exit 10
[ "$EDITOR_EXIT" = 0 ] || fail "the editor did not end after the dialog: $EDITOR_EXIT"
[ -f save.set ] || fail "the close after the dialog saved no save.set"
