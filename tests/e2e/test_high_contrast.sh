# Under a high-contrast theme, forced through GTK_THEME or named in the desktop's settings,
# the illustration is not drawn behind the page, and texts, outlines and bubbles take the
# theme's foreground on its background.
. "$ZARQ_E2E/lib.sh"

repo=$(cd "$ZARQ_E2E/../.." && pwd)
cp "$repo/examples/demo-chart/demo-chart.json" demo-chart.json
cp "$repo/examples/demo-chart/demo-chart.png" demo-chart.PNG
echo '{"texts": ["demo-chart", "PNG"], "sliders": [123, 80]}' >form.json
"$ZARQ_PRESET" make form.json -o save.set

# Pixels of exactly COLOUR in the rectangle W x H at X,Y of an image.
pixels_of() {
  local image=$1 colour=$2 x=$3 y=$4 w=$5 h=$6
  convert "$image" -crop "${w}x${h}+${x}+${y}" +repage -alpha off -fill white +opaque "$colour" \
    -fill black -opaque "$colour" -format '%[fx:round((1-mean)*w*h)]' info:
}

# The theme's colours, as GTK 3's own HighContrast theme defines them.
foreground='#272C2E' background='#FDFDFC'

start_editor
rest_pointer
screenshot "$EDITOR_WID" own-look.png
[ "$(brightness own-look.png 10 610 150 60)" -gt 300 ] || fail "no illustration behind page 1"
close_window "$EDITOR_WID"
wait_editor_exit 10

GTK_THEME=HighContrast start_editor
rest_pointer
screenshot "$EDITOR_WID" high-contrast.png
# The bottom-left corner, where page 1 has no control, is the theme's background alone.
[ "$(pixels_of high-contrast.png "$background" 10 610 150 60)" = 9000 ] ||
  fail "the picture still lies behind the page"
# The page's texts are in the theme's foreground.
[ "$(pixels_of high-contrast.png "$foreground" 0 0 944 681)" -gt 2000 ] ||
  fail "no text in the theme's foreground colour"
close_window "$EDITOR_WID"
wait_editor_exit 10
[ "$EDITOR_EXIT" = 0 ] || fail "exit code $EDITOR_EXIT"

GTK_THEME=HighContrastInverse start_editor
rest_pointer
screenshot "$EDITOR_WID" high-contrast-inverse.png
[ "$(pixels_of high-contrast-inverse.png '#303030' 10 610 150 60)" = 9000 ] ||
  fail "the picture still lies behind the page of the inverse theme"
[ "$(pixels_of high-contrast-inverse.png '#F3F3F1' 0 0 944 681)" -gt 2000 ] ||
  fail "no text in the inverse theme's foreground colour"
close_window "$EDITOR_WID"
wait_editor_exit 10

# Named in the desktop's settings instead of GTK_THEME, the theme gives its colours all the
# same (the editor starts on an empty theme and loads the desktop's for them).
mkdir -p "$XDG_CONFIG_HOME/gtk-3.0"
printf '[Settings]\ngtk-theme-name=HighContrast\n' >"$XDG_CONFIG_HOME/gtk-3.0/settings.ini"
start_editor
rest_pointer
screenshot "$EDITOR_WID" high-contrast-settings.png
[ "$(pixels_of high-contrast-settings.png "$background" 10 610 150 60)" = 9000 ] ||
  fail "the desktop's high-contrast theme did not give the page its background"
[ "$(pixels_of high-contrast-settings.png "$foreground" 0 0 944 681)" -gt 2000 ] ||
  fail "no text in the foreground of the desktop's high-contrast theme"
close_window "$EDITOR_WID"
wait_editor_exit 10
note "high contrast: the theme's colours, no picture"
