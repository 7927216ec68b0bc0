# zarq-settings.exe under Wine: the window appears and draws page 1 as zarq-preset.exe
# does (anew alike once its frame was let go at rest), the right arrow and Ctrl+2 / Ctrl+1
# turn pages, typing reaches the song name, a dropped preset is offered for loading, and
# closing saves the form for the Linux build to read, also in a folder named with \\?\.
# Wine's window frame differs from Windows', so the client size is not checked.
. "$ZARQ_E2E/lib.sh"

start_editor
# Pages are compared with what zarq-preset.exe draws, cut to the window Wine makes.
ZARQ_REFERENCE_PRESET=$ZARQ_WINDOWS_PRESET
ZARQ_CLIENT_SIZE=$(client_size "$EDITOR_WID")
rest_pointer
screenshot "$EDITOR_WID" page1.png
title_white=$(white_pixels page1.png 240 50 470 45)
[ "$title_white" -gt 1000 ] || fail "page 1 shows only $title_white white pixels in its title"
expect_page "$EDITOR_WID" 1 page1.png
# A second at rest lets the frame go; uncovered, the window draws the same page anew.
sleep 1.5
xdotool windowunmap --sync "$EDITOR_WID" windowmap --sync "$EDITOR_WID"
take_keyboard
screenshot "$EDITOR_WID" uncovered.png
[ "$(differing_pixels uncovered.png page1.png)" = 0 ] || fail "page 1 drawn anew differs"

click_at 859 340
rest_pointer
expect_page "$EDITOR_WID" 2 page2.png

# The end of the song name "Zarq Radoziro", then more of it.
click_at 420 145
type_text " on Wine"
rest_pointer
expect_change "$EDITOR_WID" page2.png typed.png 200

# Page 1 shown again means that every key before Ctrl+1 has been read.
keys ctrl+1
rest_pointer
expect_page "$EDITOR_WID" 1 back-to-page1.png
keys ctrl+2
rest_pointer
# Page 2 again, with the typed name: its title and the rest of the page as before, the
# song name's row changed.
convert page2.png -crop 900x110+0+0 +repage page2-title.png
convert page2.png -crop 900x500+0+175 +repage page2-rest.png
for _ in $(seq 20); do
  screenshot "$EDITOR_WID" page2-again.png
  convert page2-again.png -crop 900x110+0+0 +repage page2-again-title.png
  convert page2-again.png -crop 900x500+0+175 +repage page2-again-rest.png
  [ "$(differing_pixels page2-again-title.png page2-title.png)" = 0 ] &&
    [ "$(differing_pixels page2-again-rest.png page2-rest.png)" = 0 ] && break
  sleep 0.3
done
[ "$(differing_pixels page2-again-title.png page2-title.png)" = 0 ] &&
  [ "$(differing_pixels page2-again-rest.png page2-rest.png)" = 0 ] || fail "Ctrl+2 does not show page 2"
[ "$(differing_pixels page2-again.png page2.png)" -gt 200 ] || fail "the typed text does not show"

echo '{"texts": [null, null, null, null, null, null, null, null, "Dropped"]}' >dropped.json
"$ZARQ_PRESET" make dropped.json -o dropped.set
drop_files 472 400 "$PWD/dropped.set"
# No: the second button (its label is Chinese, without a letter to press).
answer_window "$ZARQ_TITLE - 拖拽文件" Tab Return

close_editor 15
[ -f save.set ] || fail "closing wrote no save.set"
size=$(stat -c %s save.set)
[ "$size" = 26153 ] || fail "save.set has $size bytes, not 26153"
"$ZARQ_PRESET" dump save.set >save.json || fail "the Linux build cannot read save.set"
grep -q '"Zarq Radoziro on Wine"' save.json || fail "save.set does not hold the typed song name"
note "the Windows editor opens, turns pages, takes typing and drops, and saves"

# A folder named with the prefix that lifts Windows' length limit is that folder.
mkdir prefixed
wine "$ZARQ_WINDOWS_BUILD/zarq-settings.exe" "\\\\?\\$(winepath -w "$PWD/prefixed")" \
  >>"$ZARQ_E2E_LOGS/editor.log" 2>&1 &
EDITOR_PID=$!
echo "$EDITOR_PID" >>"$ZARQ_E2E_LOGS/pids"
take_editor_window "$(editor_title prefixed)"
keys ctrl+q
wait_editor_exit 15
[ "$EDITOR_EXIT" = 0 ] || fail "the editor in a \\\\?\\ folder ended with exit code $EDITOR_EXIT"
[ -f prefixed/save.set ] || fail "the editor in a \\\\?\\ folder saved no save.set there"
note "a folder given as \\\\?\\Z:\\... is that folder"
