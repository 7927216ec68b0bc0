# The form follows the desktop's text size (GDK_DPI_SCALE, Xft.dpi) and the user's zoom
# (Ctrl+plus, Ctrl+minus, Ctrl+0), keeping its layout: the window shows exactly what
# `zarq-preset render --scale` draws, a click lands on the control under it, and the zoom is
# there again at the next start.
. "$ZARQ_E2E/lib.sh"

# What page N looks like at SCALE, cut to the window's client area.
reference_at() {
  "$ZARQ_PRESET" render --page "$1" --dir "$PWD" --scale "$2" -o "$ZARQ_E2E_LOGS/frame.png" ||
    fail "zarq-preset render --scale $2 failed"
  convert "$ZARQ_E2E_LOGS/frame.png" -crop "$3+0+0" +repage "$4"
}

size_is() { [ "$(client_size "$EDITOR_WID")" = "$1" ]; }
expect_size() { eventually 2 size_is "$1" || fail "the window is $(client_size "$EDITOR_WID"), not $1 ($2)"; }

GDK_DPI_SCALE=1.5 start_editor
expect_size 1416x1022 "944 x 681 at 1.5"
# Clear of the arrows, so that nothing animates.
move_to 708 990
screenshot "$EDITOR_WID" page1@1.5.png
reference_at 1 1.5 1416x1022 reference1@1.5.png
[ "$(differing_pixels page1@1.5.png reference1@1.5.png)" = 0 ] ||
  fail "page 1 at text size 1.5 differs from render --scale 1.5"

# The right arrow, at (859, 340) of the form, lies at 1.5 times that. The page's first field
# takes the focus, let go of for the picture.
click_at 1289 510
keys Escape
move_to 708 990
reference_at 2 1.5 1416x1022 reference2@1.5.png
expect_picture "$EDITOR_WID" reference2@1.5.png page2@1.5.png

# Ctrl+plus on the "=" key, with and without Shift, and on the keypad; Ctrl+minus.
keys ctrl+plus
expect_size 1558x1124 "1.5 x 110 %"
keys ctrl+equal ctrl+KP_Add
expect_size 1841x1328 "1.5 x 130 %"
expect_kept 130
keys ctrl+minus ctrl+minus ctrl+minus ctrl+minus
expect_size 1274x919 "1.5 x 90 %"
# The pointer still hits what it points at: the left arrow (85, 340) turns back to page 1.
click_at 115 459
keys Escape
move_to 637 900
reference_at 1 1.35 1274x919 reference1@1.35.png
expect_picture "$EDITOR_WID" reference1@1.35.png page1@1.35.png
close_editor
expect_kept 90

# The next start shows the zoom kept; Ctrl+0 goes back to the desktop's text size.
GDK_DPI_SCALE=1.5 start_editor
expect_size 1274x919 "the zoom kept, 90 %"
keys ctrl+0
expect_size 1416x1022 "Ctrl+0"
close_editor
expect_kept 100

# Xft.dpi of 120 is a text size of 1.25.
echo "Xft.dpi: 120" | xrdb -merge
start_editor
expect_size 1180x851 "Xft.dpi 120"
close_editor
xrdb -remove
note "the form follows the text size and the zoom"
