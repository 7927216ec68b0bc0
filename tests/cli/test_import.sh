#!/usr/bin/env bash
# zarq-preset import on the demo chart and on charts the editor reads though they are not
# strict JSON, from files, pipes and standard input; and the demo chart folder being what its
# script makes.
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
  "chartId": "demo-chart",
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
  "chartId": "partial",
  "audioExt": "MP3",
  "difficulty": "SP",
  "level": "?",
  "chartLevel": "SP  Lv.?"
}
JSON
diff -u "$work/expected" "$work/out" || fail "import of a chart with few keys"

expect_said 1 "Pim酱打不开谱面" "$preset" import "$work/missing.json"
[ ! -s "$work/out" ] || fail "a missing chart printed something on stdout"
expect_said 1 "$work: Pim酱打不开谱面 ╭(╯^╰)╮: is a folder" "$preset" import "$work"

# The chart is read as the editor reads it, a few keys looked for in its bytes: charts that
# are not strict JSON give what the editor's auto-fill takes from them.
printf '{"name": "tab\there", "bpm": 300, "composer": "cut\n by a line end", ' >"$work/loose.json"
printf '{ZarqVersion: 120, "charter": "\xff\xfe", "level": "AT15"}' >"$work/odd.json"
while IFS='|' read -r file script; do
  expect_code 0 "$preset" import "$work/$file"
  python3 -c "import json, sys; v = json.load(open(sys.argv[1])); $script" "$work/out" ||
    fail "$file: $(cat "$work/out")"
done <<'CASES'
loose.json|assert (v["songName"], v["composer"], v["holdBpm"]) == ("tab\there", "cutbyalineend", "150.00"), v
odd.json|assert (v["charter"], v["difficulty"], v["level"]) == ("", "AT", "15"), v
CASES

# What the editor would fill nothing from is refused, saying why.
cp "$root/examples/demo-chart/demo-chart.png" "$work/picture.json"
echo '[1, 2, 3]' >"$work/list.json"
echo '{"ZarqVersion": 120, "bpm": 0, "Name": "upper case"}' >"$work/other.json"
for file in picture.json list.json other.json; do
  expect_said 1 "$work/$file: not a chart: the auto-fill finds nothing in it" \
    "$preset" import "$work/$file"
  [ ! -s "$work/out" ] || fail "$file printed something"
done
expect_said 1 "/dev/null: Pim酱打不开谱面 ╭(╯^╰)╮: is a device" "$preset" import /dev/null

# Standard input and a named pipe are read once, as the streams they are; standard input
# has no name to give a chart ID.
"$preset" import "$root/examples/demo-chart/demo-chart.json" >"$work/from-file"
expect_code 0 "$preset" import - <"$root/examples/demo-chart/demo-chart.json"
grep -v '"chartId"' "$work/from-file" | cmp -s "$work/out" - || fail "standard input: $(cat "$work/out")"
mkfifo "$work/pipe.json"
cat "$root/examples/demo-chart/demo-chart.json" >"$work/pipe.json" &
expect_code 0 timeout 20 "$preset" import "$work/pipe.json"
wait
sed 's/"demo-chart"/"pipe"/' "$work/from-file" | cmp -s "$work/out" - ||
  fail "named pipe: $(cat "$work/out") $(cat "$work/err")"

# A chart of a gigabyte (a hole in a file, next to nothing on disk) is read a block at a time:
# 300 MB of address space are plenty.
python3 - "$work/huge.json" <<'PY'
import sys
head, tail = b'{"name": "huge", "bpm": 100,', b',"bpm": 200, "charter": "at the end"}'
with open(sys.argv[1], "wb") as f:
    f.write(head)
    f.truncate(10**9 - len(tail))
    f.seek(10**9 - len(tail))
    f.write(tail)
PY
expect_code 0 bash -c 'ulimit -v 300000 && exec "$0" import "$1"' "$preset" "$work/huge.json"
grep -q '"charter": "at the end"' "$work/out" || fail "the end of a huge chart: $(cat "$work/out")"

# What import prints, make takes as it is: the README's pipeline, in the chart's folder,
# gives a form naming the chart, with the auto-fill's fields and the rest the defaults; check
# finds the chart there (its prompt offers the auto-fill, no error says it is missing).
cp -r "$root/examples/demo-chart" "$work/folder"
(cd "$work/folder" && "$preset" import demo-chart.json | "$preset" make - -o save.set) ||
  fail "import | make"
expect_code 0 "$preset" dump "$work/folder/save.set"
python3 - "$work/out" <<'PY' || fail "make did not take what import printed"
import json, sys
form = json.load(open(sys.argv[1]))
assert form["songName"] == form["splitNameLine1"] == "Zarq Demo Song 示例曲", form["songName"]
assert (form["holdBpm"], form["chartLevel"], form["chartId"]) == ("225.00", "IN  Lv.12", "demo-chart")
PY
expect_code 1 "$preset" check --json "$work/folder/save.set"
python3 - "$work/out" <<'PY' || fail "check in the chart's folder: $(cat "$work/out")"
import json, sys
chart_id = [m for m in json.load(open(sys.argv[1]))["messages"] if m["field"] == "chartId"]
assert [m["kind"] for m in chart_id] == ["prompt"], chart_id
PY
# A chart with more tempo entries than one pass keeps is read twice; saved over between the
# reads (the second held back by strace), it still gives the values of the one chart.
python3 - "$work/tempos.json" "$work/other.json" <<'PY'
import sys
for path, bpm in zip(sys.argv[1:], (150, 200)):
    with open(path, "w") as f:
        f.write('{"name": "%d", "judgeLineList": [' % bpm + '{"bpm":%d},' % bpm * 1100000 + "]}")
PY
strace -f -qq -o "$work/opens" -P "$work/tempos.json" -e trace=openat \
  -e inject=openat:delay_enter=3000000:when=2 "$preset" import "$work/tempos.json" >"$work/out" &
tracer=$!
for _ in $(seq 100); do
  grep -q tempos.json "$work/opens" 2>/dev/null && break
  sleep 0.05
done
mv "$work/other.json" "$work/tempos.json"
wait "$tracer" || fail "import of a chart saved over while read"
python3 -c 'import json, sys; v = json.load(open(sys.argv[1])); assert (v["songName"], v["holdBpm"]) == ("150", "150.00"), v' \
  "$work/out" || fail "a chart saved over while read: $(cat "$work/out")"

expect_code 2 "$preset" import
expect_code 2 "$preset" import a.json b.json
echo "ok"
