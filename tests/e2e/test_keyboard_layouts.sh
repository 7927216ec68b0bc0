# Accelerators go by the key's place on every layout: Ctrl+1 to Ctrl+6 on the digit row of
# AZERTY (where the keys type "&", "é", ... unshifted), Ctrl+S and Ctrl+O on a Russian
# layout; Ctrl+Q and Ctrl+W close the window as its close box does, saving the form.
. "$ZARQ_E2E/lib.sh"

# Waits for a file chooser titled TITLE and closes it with Escape.
expect_chooser() {
  local dialog
  dialog=$(find_window "$1" 10) || fail "$2 opened no dialog titled $1"
  timeout 10 xdotool windowfocus --sync "$dialog" || fail "the dialog did not take the keyboard"
  input_handled "$dialog"
  keys Escape
  window_gone "$1" 10 || fail "the dialog titled $1 did not close"
  timeout 10 xdotool windowfocus --sync "$EDITOR_WID"
}

setxkbmap fr
start_editor
rest_pointer
# The AZERTY digit row: "é" is the key of 2, "(" the key of 5 and "-" the key of 6.
keys ctrl+eacute
expect_page "$EDITOR_WID" 2 azerty-2.png
keys ctrl+parenleft
expect_page "$EDITOR_WID" 5 azerty-5.png
keys ctrl+minus
expect_page "$EDITOR_WID" 6 azerty-6.png
keys ctrl+ampersand
expect_page "$EDITOR_WID" 1 azerty-1.png
keys ctrl+s
expect_chooser "另存为" "Ctrl+S on AZERTY"
# Ctrl+Q is the key of Q on AZERTY (where US keyboards have A).
keys ctrl+q
wait_editor_exit 10
[ "$EDITOR_EXIT" = 0 ] || fail "Ctrl+Q did not close the editor (exit $EDITOR_EXIT)"
[ -f save.set ] || fail "Ctrl+Q closed without saving the form"

setxkbmap ru
rm save.set
start_editor
rest_pointer
keys ctrl+3
expect_page "$EDITOR_WID" 3 russian-3.png
# "ы" is the key of S, "щ" the key of O, "ц" the key of W.
keys ctrl+Cyrillic_yeru
expect_chooser "另存为" "Ctrl+S on a Russian layout"
keys ctrl+Cyrillic_shcha
expect_chooser "打开" "Ctrl+O on a Russian layout"
keys ctrl+Cyrillic_tse
wait_editor_exit 10
[ "$EDITOR_EXIT" = 0 ] || fail "Ctrl+W did not close the editor (exit $EDITOR_EXIT)"
[ -f save.set ] || fail "Ctrl+W closed without saving the form"
"$ZARQ_PRESET" dump save.set >/dev/null || fail "the form saved on Ctrl+W cannot be read"
note "accelerators on AZERTY and Russian layouts"
