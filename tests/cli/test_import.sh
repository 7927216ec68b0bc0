#!/usr/bin/env bash
# zarq-preset import on the demo chart, and the demo chart folder being what its script makes.
. "$(dirname "$0")/lib.sh"
root=$(cd "$(dirname "$0")/../.." && pwd)

"$root/scripts/make-demo-chart" "$work/demo-chart"
for f in demo-chart.json demo-chart.png demo-chart.wav; do
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
expect_code 2 "$preset" import
expect_code 2 "$preset" import a.json b.json
echo "ok"
