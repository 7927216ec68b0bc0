# A short editing session with keyboard and mouse; the preset saved on closing holds exactly
# what was typed, clicked and dragged.
. "$ZARQ_E2E/lib.sh"

start_editor

# Page 1: the illustration suffix typed in small letters, the audio suffix after a Tab.
click_at 322 397
keys Delete
type_text "png"
keys Tab
keys Delete
type_text "ogg"
# The opening part is not recorded; the blur slider dragged to 70.
click_at 392 265
xdotool mousemove --window "$EDITOR_WID" 560 406 mousedown 1 sleep 0.1 \
  mousemove --window "$EDITOR_WID" 590 406 sleep 0.1 \
  mousemove --window "$EDITOR_WID" 612 406 sleep 0.1 mouseup 1
screenshot "$EDITOR_WID" "$ZARQ_E2E_LOGS/page1.png"

# Page 2 by the right arrow: the song name gets a word at its end.
click_at 859 340
click_at 600 145
type_text " Remix曲"
screenshot "$EDITOR_WID" "$ZARQ_E2E_LOGS/page2.png"
# On to page 3 and back to 2 by the arrows.
click_at 859 340
click_at 85 340
rest_pointer

close_editor
[ -f save.set ] || fail "closing saved no save.set"

"$ZARQ_PRESET" dump save.set >dump.json || fail "zarq-preset dump save.set failed"
/usr/bin/python3 - dump.json <<'PY' || fail "save.set does not hold the session's values"
import json, sys
preset = json.load(open(sys.argv[1], encoding="utf-8"))
expected = {
    "illustrationExt": "PNG", "audioExt": "OGG", "backgroundBlur": "70",
    "songName": "Zarq Radoziro Remix曲", "chartSongName": "Zarq Radoziro Remix曲",
    "splitNameLine1": "Zarq Radoziro Remix曲",
    "recordOpening": False, "recordChart": True, "recordResult": True,
    "backgroundBlurSlider": 70,
}
wrong = {name: preset[name] for name, value in expected.items() if preset[name] != value}
for what, value in wrong.items():
    print(f"{what}: {value!r}", file=sys.stderr)
sys.exit(1 if wrong else 0)
PY
