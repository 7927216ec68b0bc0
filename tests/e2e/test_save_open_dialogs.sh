# Ctrl+S through the real save dialog writes a preset that zarq-preset reads, asks before
# replacing it (Escape answers No), and Ctrl+O through the real open dialog loads one back;
# every dialog starts in the editor's folder, not where the last one ended, in the desktop's
# theme.
. "$ZARQ_E2E/lib.sh"

SAVE_TITLE="Zarq Radoziro 设置填写器 - 保存"

# Picks FILE in the file chooser titled TITLE by typing its path: into the name entry of a
# save dialog, into the location entry (Ctrl+L) of an open dialog.
choose_file() {
  if [ "$1" = "另存为" ]; then enter_in_chooser "$1" "$2" name; else enter_in_chooser "$1" "$2"; fi
}

# A preset with a chart ID of its own, for the open dialog to bring back.
echo '{"texts": ["opened-id"]}' >other.json
mkdir sub
"$ZARQ_PRESET" make other.json -o sub/other.set

start_editor
rest_pointer

keys ctrl+s
choose_file "另存为" "$PWD/mine"
answer_window "$SAVE_TITLE" Return
[ -f mine.set ] || fail "saving \"mine\" did not write mine.set"
[ "$(chart_id_of mine.set)" = 20220924 ] || fail "the saved preset does not hold the form's chart ID"

# Saving over it asks first; Escape answers No and leaves it alone, Yes (the default)
# replaces it and reports success.
touch -d '2001-01-01' mine.set
keys ctrl+s
choose_file "另存为" "$PWD/mine.set"
box=$(find_window "$SAVE_TITLE" 10) || fail "no question before replacing mine.set"
# GTK's own windows wear the desktop's theme (light in the default one), not the empty one
# the editor's window starts on.
screenshot "$box" question.png
[ "$(brightness question.png 0 0 20 20)" -gt 300 ] || fail "the question is drawn without the theme"
timeout 10 xdotool windowfocus --sync "$box" || fail "the question did not take the keyboard"
keys Escape
window_gone "$SAVE_TITLE" 10 || fail "Escape did not close the question"
[ "$(stat -c %Y mine.set)" -lt "$(date -d '2001-01-02' +%s)" ] || fail "Escape replaced mine.set"
keys ctrl+s
choose_file "另存为" "$PWD/mine.set"
answer_window "$SAVE_TITLE" Return
answer_window "$SAVE_TITLE" Return
[ "$(stat -c %Y mine.set)" -gt "$(date -d '2001-01-02' +%s)" ] || fail "mine.set was not replaced"

keys ctrl+o
choose_file "打开" "$PWD/sub/other.set"
answer_window "Zarq Radoziro 设置填写器 - 加载预设" Return
# A bare name lands in the editor's folder, not in sub/ where the open dialog ended.
keys ctrl+s
choose_file "另存为" "again"
answer_window "$SAVE_TITLE" Return
[ -f again.set ] || fail "the save dialog did not start in the editor's folder: $(ls -R)"
rest_pointer
screenshot "$EDITOR_WID" loaded.png

close_editor
[ "$(chart_id_of save.set)" = opened-id ] || fail "the opened preset is not what the editor held at the end"
note "save and open dialogs"
