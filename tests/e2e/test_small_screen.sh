# e2e-screen: 1280x1024x24
# At GDK_SCALE=2 on a 1280 x 1024 screen the form at its own size would reach below the
# screen: it is scaled down to fit the work area, every part of it is reachable, and the zoom
# goes no further than the screen holds.
. "$ZARQ_E2E/lib.sh"

GDK_SCALE=2 start_editor
# 640 x 512 desktop pixels, less the room for a title bar: the width limits, 944 -> 640.
[ "$(client_size "$EDITOR_WID")" = 1280x924 ] ||
  fail "the window is $(client_size "$EDITOR_WID") device pixels, not 1280x924"
read -r left top < <(xwininfo -id "$EDITOR_WID" |
  awk '/Absolute upper-left X/ {x=$4} /Absolute upper-left Y/ {y=$4} END {print x, y}')
[ $((left + 1280)) -le 1280 ] && [ $((top + 924)) -le 1024 ] ||
  fail "the window at $left,$top reaches past the screen"

# The right arrow of the form (859, 340) at 2 x 640/944 device pixels per form pixel.
move_to 640 900
screenshot "$EDITOR_WID" page1.png
click_at 1165 461
move_to 640 900
expect_change "$EDITOR_WID" page1.png page2.png 1000
# The form already fills the screen: Ctrl+plus leaves it as it is and keeps what it shows
# (640/944 of the desktop's size, 67 %), so that Ctrl+minus then makes it smaller at once.
keys ctrl+plus
keys ctrl+minus
eventually 3 kept_zoom_is 60 || fail "Ctrl+minus after a Ctrl+plus too many kept $(kept_zoom)"
[ "$(client_size "$EDITOR_WID")" != 1280x924 ] || fail "Ctrl+minus did not make the form smaller"
close_editor
note "the whole form fits the small screen"
