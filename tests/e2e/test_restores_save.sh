# A "save.set" left by an earlier session is loaded before the window is first shown, and
# closing the window keeps what it held.
. "$ZARQ_E2E/lib.sh"

# A chart ID of its own and the result part not recorded.
echo '{"texts": ["31415"], "checkBoxes": [1, 1, 0]}' >earlier.json
"$ZARQ_PRESET" make earlier.json -o save.set

mkdir fresh
(cd fresh && "$ZARQ_PRESET" render --page 1 -o ../fresh-page1.png)
reference_page 1 earlier-page1.png
convert fresh-page1.png -crop 944x681+0+0 +repage fresh-page1-cropped.png
[ "$(differing_pixels earlier-page1.png fresh-page1-cropped.png)" -gt 0 ] ||
  fail "the earlier session's page 1 looks like a fresh one"

start_editor
rest_pointer
expect_page "$EDITOR_WID" 1 page1.png

# Without the result part Ctrl+4 leads to the page after it.
keys ctrl+4
expect_page "$EDITOR_WID" 5 page5.png

close_editor
"$ZARQ_PRESET" dump save.set >after.json
/usr/bin/python3 - after.json <<'PY'
import json, sys
saved = json.load(open(sys.argv[1]))
assert saved["chartId"] == "31415", saved["chartId"]
parts = [saved["recordOpening"], saved["recordChart"], saved["recordResult"]]
assert parts == [True, True, False], parts
PY
note "save.set is loaded at start-up and kept on closing"
