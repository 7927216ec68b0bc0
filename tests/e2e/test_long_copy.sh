# A chart folder with hundreds of megabytes of music: while the import copies it, the window
# keeps painting with the busy mark in its bottom-right corner, and a key pressed meanwhile
# waits until the copy is done, then acts.
. "$ZARQ_E2E/lib.sh"

big=$(big_chart_folder 600M)

# White pixels where the mark turns (the frame there is black on page 1 without a chart).
mark_pixels() { white_pixels "$1" 898 635 40 40; }

start_editor
rest_pointer
keys ctrl+shift+o
pick_in_chooser "打开 Zarq 谱面文件夹" "$big"

seen=""
for i in $(seq 100); do
  grab_window "$EDITOR_WID" "$ZARQ_E2E_LOGS/during-$i.png"
  if [ "$(mark_pixels "$ZARQ_E2E_LOGS/during-$i.png")" -gt 10 ]; then
    seen=$i
    break
  fi
  [ -f big.WAV ] && break
done
[ -n "$seen" ] || fail "no busy mark was seen while the music was copied"
# The mark turns: the window is painted afresh, not frozen on one frame.
keys ctrl+2
grab_window "$EDITOR_WID" "$ZARQ_E2E_LOGS/turned.png"
if [ ! -f big.WAV ] && [ "$(mark_pixels "$ZARQ_E2E_LOGS/turned.png")" -gt 10 ]; then
  [ "$(differing_pixels "$ZARQ_E2E_LOGS/during-$seen.png" "$ZARQ_E2E_LOGS/turned.png")" -gt 0 ] ||
    fail "the window did not paint while the copy ran"
fi

eventually 30 test -f big.WAV || fail "the music copy did not end"
[ "$(stat -c %s big.WAV)" = $((600 * 1024 * 1024)) ] || fail "the music was not copied whole"
# Ctrl+2 pressed during the copy acted once it was done, and the mark is gone: the window
# shows page 2 of the form it saves on closing (its first field let go of the focus).
rest_pointer
keys Escape
screenshot "$EDITOR_WID" after.png
close_editor
reference_page 2 expected.png
[ "$(differing_pixels after.png expected.png)" = 0 ] || fail "the window does not show page 2"
note "the window stays alive through a long copy (mark seen on grab $seen)"
