# With the demo chart's illustration behind page 1, the background follows the blur slider
# while it is held, and what the release leaves is what zarq-preset draws for that blur.
. "$ZARQ_E2E/lib.sh"

repo=$(cd "$ZARQ_E2E/../.." && pwd)
cp "$repo/examples/demo-chart/demo-chart.json" demo-chart.json
cp "$repo/examples/demo-chart/demo-chart.png" demo-chart.PNG
cp "$repo/examples/demo-chart/demo-chart.wav" demo-chart.WAV
# Dimmed as little as page 1 accepts without a warning, so that the blur shows plainly.
echo '{"texts": ["demo-chart", "PNG", "WAV"], "sliders": [123, 80]}' >form.json
"$ZARQ_PRESET" make form.json -o save.set

# The bottom-left corner of the frame, where page 1 has no control: only the background.
background() { convert "$1" -crop 150x60+10+610 +repage "$2"; }

start_editor
rest_pointer
screenshot "$EDITOR_WID" before.png
[ "$(brightness before.png 10 610 150 60)" -gt 300 ] || fail "no illustration behind page 1"

# The blur slider's track runs from 506 to 658 at y 406: pressed near its left end, held
# in its middle.
xdotool mousemove --window "$EDITOR_WID" 512 406 mousedown 1 sleep 0.1 \
  mousemove --window "$EDITOR_WID" 550 406 sleep 0.1 mousemove --window "$EDITOR_WID" 560 406
background before.png before-background.png
for _ in $(seq 20); do
  screenshot "$EDITOR_WID" held.png
  background held.png held-background.png
  [ "$(differing_pixels before-background.png held-background.png)" -gt 0 ] && break
done
[ "$(differing_pixels before-background.png held-background.png)" -gt 0 ] ||
  fail "the background did not follow the blur slider while it was held"

xdotool mouseup 1
# The slider keeps the keyboard after its drag; Escape takes its focus ring off the picture.
keys Escape
rest_pointer
screenshot "$EDITOR_WID" released.png
close_editor
# The blur the release left, as saved on closing, drawn by zarq-preset.
reference_page 1 reference.png
[ "$(differing_pixels released.png reference.png)" = 0 ] ||
  fail "the released slider's picture differs from zarq-preset's for the same blur"
"$ZARQ_PRESET" dump save.set >saved.json
/usr/bin/python3 - saved.json <<'PY'
import json, sys
blur = json.load(open(sys.argv[1]))["backgroundBlurSlider"]
assert 0 < blur < 80, blur
PY
note "the background follows the blur slider while it is held"
