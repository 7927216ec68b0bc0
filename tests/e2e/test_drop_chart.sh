# A chart dragged from a file manager onto page 1 is copied here, offered for the auto-fill,
# and Yes fills the form from it; a second drop of the same chart leaves the copy alone.
. "$ZARQ_E2E/lib.sh"

repo=$(cd "$ZARQ_E2E/../.." && pwd)
charts=$(cd .. && pwd)/charts
mkdir -p "$charts"
cp -r "$repo/examples/demo-chart" "$charts/"
DROP_TITLE="Zarq Radoziro 设置填写器 - 拖拽文件"

# Drops the demo chart on page 1 and says Yes to the offer.
drop_and_fill() {
  drop_files 472 400 "$charts/demo-chart/demo-chart.json"
  answer_window "$DROP_TITLE" Return
}

start_editor
rest_pointer
drop_and_fill
cmp -s demo-chart.json "$charts/demo-chart/demo-chart.json" || fail "the chart was not copied here"
# The fill runs once the question has closed; give it a moment to write.
eventually 5 test -s runfile.txt || fail "the auto-fill left no runfile.txt"

# The copy here is the chart from now on: dropping the original again fills from the copy.
sed -i 's/Zarq Demo Song 示例曲/Kept Here/' demo-chart.json
drop_and_fill
grep -q "Kept Here" demo-chart.json || fail "the second drop overwrote the chart here"

close_editor
"$ZARQ_PRESET" dump save.set >saved.json
/usr/bin/python3 - saved.json <<'PY'
import json, sys
form = json.load(open(sys.argv[1]))
expected = {"chartId": "demo-chart", "illustrationExt": "PNG", "audioExt": "WAV",
            "songName": "Kept Here", "chartLevel": "IN  Lv.12", "holdBpm": "225.00"}
wrong = {name: form[name] for name, text in expected.items() if form[name] != text}
assert not wrong, wrong
PY
note "a dropped chart fills the form"
