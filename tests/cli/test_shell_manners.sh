#!/usr/bin/env bash
# zarq-preset as a shell tool: help for every command, --version, "-" for standard input and
# output, many inputs in one call, and bad input files that end in a message and exit 1,
# never in a crash.
. "$(dirname "$0")/lib.sh"
root=$(cd "$(dirname "$0")/../.." && pwd)
cd "$work"

expect_code 0 "$preset" --version
grep -qE '^zarq-preset [0-9]+\.[0-9]+\.[0-9]+$' out || fail "--version: $(cat out)"
for command in render dump make check import; do
  expect_code 0 "$preset" "$command" --help
  grep -q "^Usage: zarq-preset $command " out || fail "$command --help: $(head -n 3 out)"
  expect_code 2 "$preset" "$command" --bogus
done
# Output that cannot be written is a failure, help and version included.
for args in --version --help "make --help" --help-all; do
  set +e
  # shellcheck disable=SC2086
  "$preset" $args >/dev/full 2>err
  code=$?
  set -e
  [ "$code" = 1 ] && grep -q 'cannot write to standard output' err || fail "$args to a full disk: exit $code"
done
# make's help ends with a complete example, which make takes back as the defaults.
expect_code 0 "$preset" make --help
sed -n '/^A complete example/,$p' out | tail -n +2 >example.json
expect_code 0 "$preset" make example.json -o example.set
echo '{}' >empty.json
expect_code 0 "$preset" make empty.json -o defaults.set
cmp example.set defaults.set || fail "the example of make --help is not the defaults"

# "-" stands for standard input and output.
echo '{"songName": "管道"}' | "$preset" make - -o - >piped.set
"$preset" dump piped.set | grep '"songName": "管道"' >/dev/null || fail "make - -o - lost the song name"
"$preset" render --page 1 --dir . -o - >page.png
[ "$(file -b --mime-type page.png)" = image/png ] || fail "render -o - wrote no PNG"
[ ! -e ./- ] || fail "a file named - was written"
# A closed standard input is no empty input.
for command in "dump -" "make - -o closed.set"; do
  # shellcheck disable=SC2086
  expect_code 1 "$preset" $command <&-
  grep -qx 'zarq-preset: -: .*cannot be read' err || fail "$command, input closed: $(cat err)"
done
# --scale draws the same frame at that many device pixels.
"$preset" render --page 1 --dir . --scale 2 -o page@2.png
[ "$(identify -format %wx%h page@2.png)" = 1920x1440 ] || fail "--scale 2: $(identify page@2.png)"
"$preset" render --page 1 --dir . --scale 1.5 -o page@1.5.png
[ "$(identify -format %wx%h page@1.5.png)" = 1440x1080 ] || fail "--scale 1.5"
expect_code 2 "$preset" render --page 1 --scale 0.5 -o x.png
expect_code 2 "$preset" render --page 1 --scale big -o x.png

# Inputs that are no preset: exit 1 and a line naming the file and saying what is wrong.
mkdir folder
: >empty.set
cp "$root/examples/demo-chart/demo-chart.png" picture.set
head -c 26100 defaults.set >cut.set
mkfifo fifo.set
ln -s looped.set looped.set
while IFS='|' read -r input words; do
  expect_code 1 "$preset" dump "$input"
  grep -qxF "zarq-preset: $input: $words" err || fail "dump $input: $(cat err)"
  [ ! -s out ] || fail "dump $input printed a preset"
done <<'CASES'
empty.set|读取失败！(ERROR 1): the file is empty
picture.set|读取失败！(ERROR 1): it does not begin with the preset signature, so it is no preset (or is damaged)
cut.set|读取失败！(ERROR 9): the obtained-type caption at the end is cut short
missing.set|无法读取文件！: no such file
looped.set|无法读取文件！: Too many levels of symbolic links
CASES
expect_said 1 "no .set files in folder" "$preset" dump folder
expect_said 1 "folder: 无法读取文件！: is a folder, not a file" "$preset" check --dir . --preset folder
# A pipe is read as the stream it is (as the shell's <(...) hands one out).
cat defaults.set >fifo.set &
expect_code 0 "$preset" dump fifo.set
wait
echo '{"version": 1005, "songName": ["not", "text"]}' >not-a-preset.json
expect_said 1 'not-a-preset.json: "songName" must be a string' \
  "$preset" make not-a-preset.json -o x.set
expect_said 1 "folder: is a folder, not a file" "$preset" make folder -o x.set
expect_said 1 "picture.set: not JSON: parse error" "$preset" make picture.set -o x.set
[ ! -e x.set ] || fail "a failed make left x.set"

# Many inputs: one JSON document per line, each naming its input; a folder stands for its
# presets in name order.
mkdir presets
echo '{"chartDuration": "120秒", "holdBpm": "180"}' >good.json
"$preset" make good.json -o presets/b.set
cp defaults.set presets/a.set
cp empty.set presets/c.set
touch presets/notes.txt
expect_code 1 "$preset" dump presets piped.set
python3 - out <<'PY' || fail "dump of many inputs: $(cat out)"
import json, sys
lines = [json.loads(l) for l in open(sys.argv[1], encoding="utf-8")]
assert [l["input"] for l in lines] == ["presets/a.set", "presets/b.set", "presets/c.set",
                                      "piped.set"], lines
assert lines[1]["preset"]["holdBpm"] == "180" and lines[3]["preset"]["songName"] == "管道"
assert "ERROR 1" in lines[2]["error"] and "preset" not in lines[2]
PY
expect_code 0 "$preset" dump presets/a.set presets/b.set
[ "$(wc -l <out)" = 2 ] || fail "two presets, not two lines"

mkdir chart
printf '{"ZarqVersion": 120}\n' >chart/20220924.json
"$preset" render --page 1 --dir . -o chart/20220924.PNG
cp chart/20220924.PNG chart/头像.png
printf 'audio' >chart/20220924.MP3
expect_code 0 "$preset" check --dir chart presets/b.set
expect_code 1 "$preset" check --dir chart presets
python3 - out <<'PY' || fail "check of many inputs: $(cat out)"
import json, sys
lines = [json.loads(l) for l in open(sys.argv[1], encoding="utf-8")]
a, b, c = lines
assert (a["input"], b["input"], c["input"]) == ("presets/a.set", "presets/b.set", "presets/c.set")
assert a["errors"] > 0 and b["errors"] == 0 and "error" in c, lines
missing = [m for m in a["messages"] if m["kind"] == "error"]
assert {m["field"] for m in missing} == {"chartDuration"}, missing
PY
expect_code 2 "$preset" check --preset presets/a.set presets/b.set
echo "ok"
