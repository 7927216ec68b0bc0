# Ctrl+Shift+O on page 1 with the demo chart folder picked in the real folder chooser copies
# the chart and its media here and fills pages 1, 2, 3 and 5 from the chart.
. "$ZARQ_E2E/lib.sh"

repo=$(cd "$ZARQ_E2E/../.." && pwd)
charts=$(cd .. && pwd)/charts
mkdir -p "$charts"
cp -r "$repo/examples/demo-chart" "$charts/"

start_editor
rest_pointer
keys ctrl+shift+o
pick_in_chooser "打开 Zarq 谱面文件夹" "$charts/demo-chart"

for f in demo-chart.json demo-chart.PNG demo-chart.WAV runfile.txt; do
  eventually 5 test -s "$f" || fail "$f was not made in the editor's folder"
done
cmp -s demo-chart.json "$charts/demo-chart/demo-chart.json" || fail "the chart copy differs"
cmp -s demo-chart.PNG "$charts/demo-chart/demo-chart.png" || fail "the illustration copy differs"
cmp -s demo-chart.WAV "$charts/demo-chart/demo-chart.wav" || fail "the music copy differs"
# Nothing went wrong, so no message box is waiting (the editor's own title starts alike).
xdotool search --onlyvisible --name "Zarq Radoziro 设置填写器 - " 2>/dev/null | grep -vqx "$EDITOR_WID" &&
  fail "the import showed a message"

# The illustration now lies behind the page: the corner of the frame is no longer black.
rest_pointer
screenshot "$EDITOR_WID" page1.png
[ "$(brightness page1.png 10 600 100 60)" -gt 300 ] || fail "no illustration behind page 1"
keys ctrl+2
screenshot "$EDITOR_WID" page2.png

close_editor
"$ZARQ_PRESET" dump save.set >saved.json
/usr/bin/python3 - saved.json <<'PY'
import json, sys
form = json.load(open(sys.argv[1]))
song = "Zarq Demo Song 示例曲"
expected = {"chartId": "demo-chart", "illustrationExt": "PNG", "audioExt": "WAV", "songName": song,
            "level": "12", "difficulty": "IN", "composer": "示例曲师", "charter": "Demo Charter",
            "chartSongName": song, "chartLevel": "IN  Lv.12", "splitNameLine1": song,
            "holdBpm": "225.00"}
wrong = {name: form[name] for name, text in expected.items() if form[name] != text}
assert not wrong, wrong
PY
note "the demo chart folder fills the form"
