# On a display scaled by 2 the window draws its frame at the device scale: the screenshot
# is exactly what `zarq-preset render --scale 2` draws, not a stretched 1x picture, and the
# pointer still hits in the form's own pixels.
. "$ZARQ_E2E/lib.sh"

# The frame at twice the size, cut to the 944 x 681 window (the screen is large enough).
reference_at_2() {
  "$ZARQ_PRESET" render --page "$1" --dir "$PWD" --scale 2 -o "$ZARQ_E2E_LOGS/frame@2.png" ||
    fail "zarq-preset render --scale 2 failed"
  convert "$ZARQ_E2E_LOGS/frame@2.png" -crop 1888x1362+0+0 +repage "$2"
}

GDK_SCALE=2 start_editor
[ "$(client_size "$EDITOR_WID")" = 1888x1362 ] ||
  fail "the window is $(client_size "$EDITOR_WID") device pixels, not 1888x1362"
move_to 944 1320
screenshot "$EDITOR_WID" page1@2.png
reference_at_2 1 reference1@2.png
[ "$(differing_pixels page1@2.png reference1@2.png)" = 0 ] ||
  fail "page 1 at scale 2 differs from render --scale 2"

# The right arrow, at (859, 340) of the form, lies at twice that on the screen. The page's
# first field takes the focus, let go of for the picture.
click_at 1718 680
keys Escape
move_to 944 1320
reference_at_2 2 reference2@2.png
expect_picture "$EDITOR_WID" reference2@2.png page2@2.png

close_editor
note "sharp at scale 2"
