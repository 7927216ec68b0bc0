# e2e-screen: 1280x1024x24
# On a small screen scaled by 2, the save chooser opened in a folder forty levels deep fits
# within the screen (GTK would size it for its text alone, twice the screen's width), and
# its path bar scrolls to the folder.
. "$ZARQ_E2E/lib.sh"

deep=$PWD
for i in $(seq -w 1 40); do deep="$deep/folder-$i"; done
mkdir -p "$deep"
cd "$deep"

GDK_SCALE=2 start_editor
keys ctrl+s
dialog=$(find_window "另存为" 15) || fail "no save chooser"
# It is mapped at GTK's size and made to fit by the resize that follows, at GTK's next layout.
fits() {
  local size
  size=$(client_size "$dialog")
  [ "${size%x*}" -le 1280 ] && [ "${size#*x}" -le 1024 ]
}
eventually 10 fits || fail "the save chooser is $(client_size "$dialog"), past the 1280x1024 screen"
screenshot "$dialog" chooser.png
keys Escape
window_gone "另存为" 10 || fail "Escape did not close the save chooser"
close_editor
note "the save chooser fits a small scaled screen"
