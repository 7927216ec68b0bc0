# e2e-screen: 800x600x24
# On an 800 x 600 screen the window and the save chooser, which GTK would make larger than
# the screen, lie within it: the chooser's name field and buttons are in sight and work.
. "$ZARQ_E2E/lib.sh"

# Fails unless the window WID lies within the screen.
on_screen() {
  read -r x y w h < <(xwininfo -id "$1" | awk '/Absolute upper-left X/ {x=$4}
    /Absolute upper-left Y/ {y=$4} /^ *Width:/ {w=$2} /^ *Height:/ {h=$2} END {print x, y, w, h}')
  [ "$x" -ge 0 ] && [ "$y" -ge 0 ] && [ $((x + w)) -le 800 ] && [ $((y + h)) -le 600 ] ||
    fail "$2 lies at $x,$y, $w x $h: past the 800 x 600 screen"
}

start_editor
on_screen "$EDITOR_WID" "the window"
rest_pointer
keys ctrl+s
chooser=$(find_window "另存为" 10) || fail "Ctrl+S showed no chooser"
input_handled "$chooser"
on_screen "$chooser" "the save chooser"
screenshot "$chooser" chooser.png
enter_in_chooser "另存为" "tiny.set" name
# The message that says it was saved fits as well, and closes with Return.
box=$(find_window "Zarq Radoziro 设置填写器 - 保存" 10) || fail "no message after the save"
on_screen "$box" "the message box"
timeout 10 xdotool windowfocus --sync "$box" || fail "the message box did not take the keyboard"
keys Return
window_gone "Zarq Radoziro 设置填写器 - 保存" 10 || fail "the message box did not close"
"$ZARQ_PRESET" dump tiny.set >/dev/null || fail "the chooser on a tiny screen saved no preset"
close_window "$EDITOR_WID"
wait_editor_exit 10
[ "$EDITOR_EXIT" = 0 ] || fail "exit code $EDITOR_EXIT"

# The folder chooser of a first start from the menu shows before the window: it fits too.
XDG_CONFIG_HOME="$PWD/first-start" launch_editor --last-folder
chooser=$(find_window "选择录制器所在的文件夹" 15) || fail "--last-folder showed no chooser"
input_handled "$chooser"
on_screen "$chooser" "the first start's folder chooser"
timeout 10 xdotool windowfocus --sync "$chooser" || fail "the chooser did not take the keyboard"
keys Escape
wait_editor_exit 10
[ "$EDITOR_EXIT" = 0 ] || fail "cancelling the first chooser: exit $EDITOR_EXIT"
