#!/usr/bin/env bash
# zarq-preset import on the demo chart, and the demo chart folder being what its script makes.
. "$(dirname "$0")/lib.sh"
root=$(cd "$(dirname "$0")/../.." && pwd)

"$root/scripts/make-demo-chart" "$work/demo-chart"
for f in demo-chart.json demo-chart.png demo-chart.wav avatar.png; do
  cmp -s "$work/demo-chart/$f" "$root/examples/demo-chart/$f" ||
    fail "examples/demo-chart/$f differs from what scripts/make-demo-chart writes"
done

expect_code 0 "$preset" import "$root/examples/demo-chart/demo-chart.json"
cat >"$work/expected" <<'JSON'
{
  "holdBpm": "225.00",
  "illustrationExt": "PNG",
  "audioExt": "WAV",
  "songName": "Zarq Demo Song 示例曲",
  "chartSongName": "Zarq Demo Song 示例曲",
  "splitNameLine1": "Zarq Demo Song 示例曲",
  "composer": "示例曲师",
  "charter": "Demo Charter",
  "difficulty": "IN",
  "level": "12",
  "chartLevel": "IN  Lv.12"
}
JSON
diff -u "$work/expected" "$work/out" || fail "import of the demo chart"

# Only what the chart has is printed; a chart without tempo entries leaves the tempo out.
printf '{"ZarqVersion":120,\n "level" : "SP?", "song":"x.Mp3"}' >"$work/partial.json"
expect_code 0 "$preset" import "$work/partial.json"
cat >"$work/expected" <<'JSON'
{
  "audioExt": "MP3",
  "difficulty": "SP",
  "level": "?",
  "chartLevel": "SP  Lv.?"
}
JSON
diff -u "$work/expected" "$work/out" || fail "import of a chart with few keys"

expect_code 1 "$preset" import "$work/missing.json"
grep -q "Pim酱打不开谱面" "$work/err" || fail "a missing chart is not reported on stderr"
[ ! -s "$work/out" ] || fail "a missing chart printed something on stdout"
expect_code 1 "$preset" import "$work"
grep -qF "$work: Pim酱打不开谱面 ╭(╯^╰)╮: is a folder" "$work/err" || fail "folder: $(cat "$work/err")"

# What is no chart is refused, saying why: broken JSON, a picture, JSON of something else.
printf '{"name": "x",' >"$work/broken.json"
cp "$root/examples/demo-chart/demo-chart.png" "$work/picture.json"
echo '[1, 2, 3]' >"$work/list.json"
echo '{"settings": {"volume": 3}}' >"$work/other.json"
while IFS='|' read -r file words; do
  expect_code 1 "$preset" import "$work/$file"
  grep -qF "$work/$file: not a chart: $words" "$work/err" || fail "$file: $(cat "$work/err")"
  [ ! -s "$work/out" ] || fail "$file printed something"
done <<'CASES'
broken.json|it is not JSON (parse error at line 1, column 14
picture.json|it is not JSON
list.json|its JSON is array, not an object
other.json|it has no "ZarqVersion"
CASES

# What import prints, make takes as it is: the auto-fill's fields, the rest the defaults.
expect_code 0 "$preset" import "$root/examples/demo-chart/demo-chart.json"
cp "$work/out" "$work/fill.json"
expect_code 0 "$preset" make "$work/fill.json" -o "$work/filled.set"
expect_code 0 "$preset" dump "$work/filled.set"
python3 - "$work/out" <<'PY' || fail "make did not take what import printed"
import json, sys
form = json.load(open(sys.argv[1]))
assert form["songName"] == form["splitNameLine1"] == "Zarq Demo Song 示例曲", form["songName"]
assert (form["holdBpm"], form["chartLevel"], form["chartId"]) == ("225.00", "IN  Lv.12", "20220924")
PY
expect_code 2 "$preset" import
expect_code 2 "$preset" import a.json b.json
echo "ok"
