# A "save.set" the editor cannot read is moved aside at start, and once the window shows a
# message box says where it went and that the form starts from its defaults; the close then
# saves a sound "save.set" beside the one kept. When its history keeps an earlier version, the
# start offers that back.
. "$ZARQ_E2E/lib.sh"

printf 'not a preset' >save.set
# The message box may take the keyboard as the window shows: the window is not given it here.
launch_editor
EDITOR_WID=$(find_window "$(editor_title)" 15) || fail "the editor's window did not appear"
box=$(find_window "$ZARQ_TITLE - 加载预设" 10) || fail "no message box about save.set"
screenshot "$box" "$ZARQ_E2E_LOGS/message.png"
[ "$(cat save.set.unreadable)" = "not a preset" ] || fail "save.set was not moved aside whole"
[ ! -e save.set ] || fail "save.set is still there"
answer_window "$ZARQ_TITLE - 加载预设" Return
note "the message box about save.set"

take_keyboard
keys ctrl+q
wait_editor_exit 10
[ "$EDITOR_EXIT" = 0 ] || fail "Ctrl+Q: exit code $EDITOR_EXIT"
"$ZARQ_PRESET" dump save.set >/dev/null || fail "the close did not save a sound save.set"
[ "$(cat save.set.unreadable)" = "not a preset" ] || fail "the close wrote over the kept save.set"

# The preset a replace cut short (as a kill midway through a write in place leaves it): the
# history keeps what was there before, and the start offers it back after the message.
echo '{"chartId": "kept"}' | "$ZARQ_PRESET" make - -o save.set
echo '{"chartId": "cut"}' | "$ZARQ_PRESET" make - -o save.set
truncate -s 100 save.set
launch_editor
EDITOR_WID=$(find_window "$(editor_title)" 15) || fail "the editor's window did not appear"
answer_window "$ZARQ_TITLE - 加载预设" Return
# The offer comes with the same title, in a window of its own.
offer=$(find_window "$ZARQ_TITLE - 加载预设" 10) || fail "the history's version was not offered"
screenshot "$offer" "$ZARQ_E2E_LOGS/offer.png"
answer_window "$ZARQ_TITLE - 加载预设" Return
take_keyboard
keys ctrl+q
wait_editor_exit 10
"$ZARQ_PRESET" dump save.set | grep -q '"chartId": "kept"' || fail "the version offered was not taken"
note "a cut save.set is offered back from its history"
