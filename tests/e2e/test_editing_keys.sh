# Selection, copy, paste, undo and redo in the real window: "Hello", Shift+Home, Ctrl+C,
# End, Ctrl+V gives "HelloHello"; Ctrl+Z and Ctrl+Y take the paste back and redo it; Delete
# then Ctrl+Z brings the field back; one Ctrl+Z takes back a run of typed keys; a check box
# and what follows it come back with Ctrl+Z; Left held down moves the caret on at the
# keyboard's repeat rate; Shift+Tab goes back.
. "$ZARQ_E2E/lib.sh"

start_editor
rest_pointer
# The chart ID, emptied by Delete.
type_into_chart_id Hello
keys shift+Home
keys ctrl+c
expect_clipboard Hello "Ctrl+C did not copy the selection"
keys End ctrl+v
expect_field HelloHello "Ctrl+V after End"
keys ctrl+z
expect_field Hello "Ctrl+Z after the paste"
keys ctrl+y
expect_field HelloHello "Ctrl+Y after Ctrl+Z"
keys Delete
expect_field "" "Delete"
keys ctrl+z
expect_field HelloHello "Ctrl+Z after Delete"
# A word selected with Ctrl+Shift+Left and cut, then brought back.
# Its last letter copied first, so that the clipboard changes with the cut.
keys End shift+Left ctrl+c
expect_clipboard o "Shift+Left, Ctrl+C"
keys End shift+ctrl+Left ctrl+x
expect_clipboard HelloHello "Ctrl+X did not cut the word"
expect_field "" "Ctrl+X"
keys ctrl+z
expect_field HelloHello "Ctrl+Z after Ctrl+X"
note "copy, cut, paste, undo and redo"

# Typed keys, each pressed and let go, are one step until something else happens.
keys End
type_text XYZ
expect_field HelloHelloXYZ "typing XYZ"
keys ctrl+z
expect_field HelloHello "Ctrl+Z after typing XYZ"
note "a run of typed keys is one step"

# The music volume, then the chart part unticked: the volume goes back to 0.8 and grey.
click_at 582 560
keys Delete
type_text 0.5
expect_field 0.5 "the music volume"
screenshot "$EDITOR_WID" before-box.png
click_at 472 265
expect_change "$EDITOR_WID" before-box.png unticked.png
keys ctrl+z
# Ctrl+Z brings back the check box and the fields and sliders that follow it.
expect_picture "$EDITOR_WID" before-box.png undone.png
note "Ctrl+Z restores a check box and its dependents"

# Left held past the keyboard's repeat delay moves several places.
click_at 472 182
keys End
xdotool keydown Left
sleep 3.5
xdotool keyup Left
type_text X
# Shift+Tab from the first field of page 1 wraps round to its last controls: the right and
# the left arrow, then the result volume's field, its text selected for typing over.
keys shift+Tab shift+Tab shift+Tab
type_text 1.5

close_editor
"$ZARQ_PRESET" dump save.set >saved.json
read -r chart_id volume chart result < <(/usr/bin/python3 -c '
import json, sys
v = json.load(open(sys.argv[1]))
print(v["chartId"], v["musicVolume"], bool(v["recordChart"]), v["resultVolume"])' saved.json)
[ "$result" = 1.5 ] || fail "Shift+Tab from the chart ID did not reach the result volume ($result)"
[ "$volume" = 0.5 ] && [ "$chart" = True ] ||
  fail "after Ctrl+Z the music volume is $volume and the chart part $chart"
case "$chart_id" in
  HelloHello | HelloHelloX | HelloHellXo | HelloHelXlo) fail "holding Left moved too little: $chart_id" ;;
  *X*) note "holding Left: $chart_id" ;;
  *) fail "the chart ID is $chart_id" ;;
esac
