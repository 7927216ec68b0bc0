# A "save.set" the editor cannot read is moved aside at start, and once the window shows a
# message box says where it went and that the form starts from its defaults; the close then
# saves a sound "save.set" beside the one kept.
. "$ZARQ_E2E/lib.sh"

printf 'not a preset' >save.set
# The message box may take the keyboard as the window shows: the window is not given it here.
launch_editor
EDITOR_WID=$(find_window "$(editor_title)" 15) || fail "the editor's window did not appear"
box=$(find_window "$ZARQ_TITLE - 加载预设" 10) || fail "no message box about save.set"
screenshot "$box" "$ZARQ_E2E_LOGS/message.png"
[ "$(cat save.set.unreadable)" = "not a preset" ] || fail "save.set was not moved aside whole"
[ ! -e save.set ] || fail "save.set is still there"
timeout 10 xdotool windowfocus --sync "$box" || fail "the message box did not take the keyboard"
keys Return
window_gone "$ZARQ_TITLE - 加载预设" 10 || fail "Return did not close the message box"
note "the message box about save.set"

timeout 10 xdotool windowfocus --sync "$EDITOR_WID" || fail "the editor did not take the keyboard back"
keys ctrl+q
wait_editor_exit 10
[ "$EDITOR_EXIT" = 0 ] || fail "Ctrl+Q: exit code $EDITOR_EXIT"
"$ZARQ_PRESET" dump save.set >/dev/null || fail "the close did not save a sound save.set"
[ "$(cat save.set.unreadable)" = "not a preset" ] || fail "the close wrote over the kept save.set"
