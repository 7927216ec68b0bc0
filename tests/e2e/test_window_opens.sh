# The window opens with its title, size and icon, shows page 1 (drawn anew alike once its
# frame was let go at rest), turns pages by the arrow and by Ctrl+3, and closing it saves the
# form and ends the editor normally.
. "$ZARQ_E2E/lib.sh"

start_editor
size=$(client_size "$EDITOR_WID")
[ "$size" = 944x681 ] || fail "client area is $size, not 944x681"
# The editor's own icon, built in, whatever is installed: a picture for the window manager
# whose corner is clear (the rounded square) and whose middle is drawn.
/usr/bin/python3 - "$EDITOR_WID" <<'PY' || fail "the window carries no icon"
import sys
from Xlib import display
d = display.Display()
window = d.create_resource_object("window", int(sys.argv[1]))
icon = window.get_full_property(d.intern_atom("_NET_WM_ICON"), 0)
assert icon is not None, "no _NET_WM_ICON"
w, h, pixels = icon.value[0], icon.value[1], icon.value[2:]
assert w >= 32 and h >= 32, (w, h)
assert pixels[0] >> 24 == 0, "the corner of the icon is not clear"
assert pixels[(h // 2) * w + w // 2] >> 24 == 0xFF, "the middle of the icon is not drawn"
PY

rest_pointer
screenshot "$EDITOR_WID" page1.png
# The title "Zarq Radoziro 设置填写器" (40 px, centred at 472) is white; its "Zarq" lies
# left of where any other page's shorter title begins.
title_white=$(white_pixels page1.png 240 50 470 45)
zarq_white=$(white_pixels page1.png 240 50 100 45)
[ "$title_white" -gt 1000 ] || fail "page 1 shows only $title_white white pixels in its title"
[ "$zarq_white" -gt 100 ] || fail "page 1's title does not begin at the left ($zarq_white)"
expect_page "$EDITOR_WID" 1 page1.png

# At rest the frame's shared memory goes back; uncovered, the window draws the same picture.
for _ in $(seq 50); do
  grep -q SYSV "/proc/$EDITOR_PID/maps" || break
  sleep 0.1
done
! grep -q SYSV "/proc/$EDITOR_PID/maps" || fail "the editor at rest still holds its frame"
xdotool windowunmap --sync "$EDITOR_WID" windowmap --sync "$EDITOR_WID"
timeout 10 xdotool windowfocus --sync "$EDITOR_WID" || fail "the window did not take the keyboard"
screenshot "$EDITOR_WID" uncovered.png
[ "$(differing_pixels uncovered.png page1.png)" = 0 ] || fail "page 1 drawn anew differs"

click_at 859 340
rest_pointer
expect_page "$EDITOR_WID" 2 page2.png

keys ctrl+3
expect_page "$EDITOR_WID" 3 page3.png

close_editor
window_gone "$(editor_title)" 2 || fail "the window is still on screen"
# Closing saves the form; the next start loads it from here.
"$ZARQ_PRESET" dump save.set >save.json || fail "closing left no readable save.set"
# Nothing was typed, so what was saved is the fresh form's defaults.
echo '{}' >empty.json
"$ZARQ_PRESET" make empty.json -o defaults.set
"$ZARQ_PRESET" dump defaults.set >defaults.json
cmp -s save.json defaults.json || fail "save.set differs from the defaults: $(diff save.json defaults.json | head -5)"
note "window opens, turns pages and closes"
