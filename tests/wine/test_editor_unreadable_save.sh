# zarq-settings.exe under Wine: a "save.set" it cannot read is moved aside, and once the
# window shows a message box with a Chinese button says so; Ctrl+W closes the window as the
# close box does, saving a sound "save.set" beside the one kept.
. "$ZARQ_E2E/lib.sh"

printf 'not a preset' >save.set
start_editor
box=$(find_window "$ZARQ_TITLE - 加载预设" 15) || fail "no message box about save.set"
screenshot "$box" message.png
[ "$(cat save.set.unreadable)" = "not a preset" ] || fail "save.set was not moved aside whole"
answer_window "$ZARQ_TITLE - 加载预设" Return
note "the message box about save.set"

take_keyboard
keys ctrl+w
wait_editor_exit 15
[ "$EDITOR_EXIT" = 0 ] || fail "Ctrl+W did not close the editor (exit code $EDITOR_EXIT)"
"$ZARQ_PRESET" dump save.set >/dev/null || fail "Ctrl+W did not save a sound save.set"
[ "$(cat save.set.unreadable)" = "not a preset" ] || fail "the close wrote over the kept save.set"

# Ctrl+Q closes too, and saves what was typed.
start_editor
rest_pointer
keys ctrl+2
# The end of the song name "Zarq Radoziro".
click_at 420 145
type_text Q
keys ctrl+q
wait_editor_exit 15
[ "$EDITOR_EXIT" = 0 ] || fail "Ctrl+Q did not close the editor (exit code $EDITOR_EXIT)"
"$ZARQ_PRESET" dump save.set | grep '"songName": "Zarq RadoziroQ"' >/dev/null ||
  fail "Ctrl+Q did not save the typed song name"
note "Ctrl+W and Ctrl+Q close the window and save"
