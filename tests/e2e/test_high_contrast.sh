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

start_editor
rest_pointer
screenshot "$EDITOR_WID" own-look.png
[ "$(brightness own-look.png 10 610 150 60)" -gt 300 ] || fail "no illustration behind page 1"
close_editor

# Each theme forced (GTK_THEME) or named in the desktop's settings (the editor starts on an
# empty theme and loads the desktop's for its colours), with its background and foreground
# as GTK 3's own high-contrast themes define them.
while read -r -u 3 how theme background foreground; do
  if [ "$how" = settings ]; then
    mkdir -p "$XDG_CONFIG_HOME/gtk-3.0"
    printf '[Settings]\ngtk-theme-name=%s\n' "$theme" >"$XDG_CONFIG_HOME/gtk-3.0/settings.ini"
    start_editor
  else
    GTK_THEME=$theme start_editor
  fi
  rest_pointer
  screenshot "$EDITOR_WID" "$how-$theme.png"
  # The bottom-left corner, where page 1 has no control, is the theme's background alone.
  [ "$(pixels_of "$how-$theme.png" "$background" 10 610 150 60)" = 9000 ] ||
    fail "$theme by $how: the picture still lies behind the page"
  # The page's texts are in the theme's foreground.
  [ "$(pixels_of "$how-$theme.png" "$foreground" 0 0 944 681)" -gt 2000 ] ||
    fail "$theme by $how: no text in the theme's foreground colour"
  close_editor
done 3<<'THEMES'
forced HighContrast #FDFDFC #272C2E
forced HighContrastInverse #303030 #F3F3F1
settings HighContrast #FDFDFC #272C2E
THEMES
note "high contrast: the theme's colours, no picture"
