# A composition still open when its field's editing ends is dropped with it: GTK's own input
# method composes a character by its code (Ctrl+Shift+U 4e2d) in the chart ID, the page turns
# to the song name, its text selected, and nothing of the composition reaches it nor the
# chart ID: the key released after the turn would have ended the composition there.
. "$ZARQ_E2E/lib.sh"

start_editor
rest_pointer
type_into_chart_id kept
keys ctrl+shift+u 4 e 2 d
screenshot "$EDITOR_WID" "$ZARQ_E2E_LOGS/composing.png"
keys ctrl+2
type_text x
expect_field x "typing after the page turn"

close_editor
"$ZARQ_PRESET" dump save.set >saved.json
read -r chart_id song < <(/usr/bin/python3 -c '
import json, sys
v = json.load(open(sys.argv[1]))
print(repr(v["chartId"]), repr(v["songName"]))' saved.json)
[ "$chart_id" = "'kept'" ] && [ "$song" = "'x'" ] ||
  fail "after the page turn the chart ID is $chart_id and the song name $song"
note "a composition ends with its field"
