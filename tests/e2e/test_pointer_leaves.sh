# The pointer leaving the window while the editor is in the foreground counts as one
# release where it was last seen: a press on the right arrow dragged straight out of the
# window turns exactly one page, and the button let go outside does nothing more.
. "$ZARQ_E2E/lib.sh"

start_editor
rest_pointer
xdotool mousemove --window "$EDITOR_WID" 859 340 sleep 0.2 mousedown 1 sleep 0.2 \
  mousemove --window "$EDITOR_WID" 1100 340 sleep 0.3 mouseup 1 sleep 0.2
rest_pointer
expect_page "$EDITOR_WID" 2 after-drag.png

close_editor
note "a drag out of the window is one release"
