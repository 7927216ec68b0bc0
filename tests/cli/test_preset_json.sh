#!/usr/bin/env bash
# zarq-preset dump and make: JSON in and out, defaults for what is missing, and failures
# that leave no file behind.
. "$(dirname "$0")/lib.sh"
cd "$work"

# Nothing given: the fresh form's defaults.
echo '{}' > empty.json
"$preset" make empty.json -o defaults.set
[ "$(stat -c %s defaults.set)" = 26153 ] || fail "a made preset is not 26153 bytes"
"$preset" dump defaults.set > defaults.json

# Some values given, in today's numbered form: exactly those change (a slider of page 1 with
# its field, as in the editor), everything else stays the default, and dump prints them by
# the editor's names.
cat > some.json <<'JSON'
{"texts": ["abc", null, "JPG"], "checkBoxes": [0, 7], "sliders": [null, 12.5],
 "optionPairs": [null, [true, true]], "obtainedType": "头像"}
JSON
"$preset" make some.json -o some.set
"$preset" dump some.set > some.out.json
python3 - defaults.json some.out.json <<'PY'
import json, sys
d = json.load(open(sys.argv[1])); s = json.load(open(sys.argv[2]))
assert d["version"] == 1005 and len(d) == 1 + 65 + 9 + 5 + 3 + 1, len(d)
boxes = [d[k] for k in ("recordOpening", "recordChart", "recordResult", "pauseShadow", "nameBar",
                        "scoreIncrease", "songNameSplit", "obtainedSplit", "textExpression")]
assert boxes == [True, True, True] + [False] * 6, boxes
sliders = [d[k + "Slider"] for k in ("backgroundDim", "backgroundBlur", "hitSoundVolume",
                                     "musicVolume", "resultVolume")]
assert sliders == [150, 80, 1.0, 0.8, 0.8], sliders
assert (d["quality"], d["mirror"], d["storyboardScaleRef"]) == (["1080P"], [], ["X", "Y"])
assert d["obtainedType"] == "无" and d["songName"] == "Zarq Radoziro", d["songName"]
assert list(d)[1:4] == ["chartId", "illustrationExt", "audioExt"], list(d)[:4]
e = dict(d)
e.update({"chartId": "abc", "audioExt": "JPG", "recordOpening": False, "recordChart": 7,
          "backgroundBlurSlider": 12.5, "backgroundBlur": "13", "mirror": ["X", "Y"],
          "obtainedType": "头像"})
assert s == e, {k: (s[k], e[k]) for k in e if s.get(k) != e[k]}
PY

# The same by name; a name's value goes over its numbered one.
cat > named.json <<'JSON'
{"texts": ["zzz"], "chartId": "abc", "audioExt": "JPG", "recordOpening": false,
 "recordChart": 7, "backgroundBlurSlider": 12.5, "mirror": ["Y", "X"], "obtainedType": "头像"}
JSON
"$preset" make named.json -o named.set
cmp some.set named.set || fail "the named form wrote another preset than the numbered one"

# A field of page 1 given alone carries its slider, as typing it does; both given, each
# keeps its own value.
echo '{"backgroundDim": "200", "musicVolume": "1.5", "resultVolumeSlider": 2}' | "$preset" make - -o - |
  "$preset" dump - > linked.json
python3 - linked.json <<'PY'
import json, sys
f = json.load(open(sys.argv[1]))
got = [f[k] for k in ("backgroundDimSlider", "musicVolumeSlider", "resultVolume")]
assert got == [200, 1.5, "2.0"], got
PY

# What dump prints, make writes back byte for byte.
"$preset" make some.out.json -o again.set
cmp some.set again.set || fail "dump then make changed the file"

# Bad JSON: one line naming the place, exit 1, no file.
printf '{"texts": [\n  "a",,\n]}' > bad.json
if "$preset" make bad.json -o bad.set 2> err.txt; then fail "bad JSON accepted"; fi
[ "$(wc -l < err.txt)" = 1 ] || fail "error is not one line: $(cat err.txt)"
grep -q 'line 2, column 7' err.txt || fail "error does not name the place: $(cat err.txt)"
[ ! -e bad.set ] || fail "bad JSON left an output file"
# JSON saved as UTF-16, with or without its mark, or as UTF-32, is named so.
for encoding in UTF-16 UTF-16LE UTF-32BE; do
  echo '{"songName": "x"}' | iconv -t "$encoding" >wide.json
  expect_said 1 'wide.json: not JSON in UTF-8: it is UTF-16 or UTF-32' \
    "$preset" make wide.json -o wide.set
done
# Wrong values: one line naming the key, exit 1, no file.
while IFS='|' read -r json key; do
  echo "$json" > wrong.json
  if "$preset" make wrong.json -o wrong.set 2> err.txt; then fail "accepted: $json"; fi
  grep -qF "$key" err.txt || fail "the error for $json does not name $key: $(cat err.txt)"
  [ "$(wc -l < err.txt)" = 1 ] || fail "error is not one line: $(cat err.txt)"
  [ ! -e wrong.set ] || fail "$json left an output file"
done <<'CASES'
{"sliders": [1, 2, "x"]}|"sliders[2]"
{"songname": "x"}|unknown key "songname"
{"songName": 5}|"songName" must be a string
{"recordChart": "yes"}|"recordChart" must be a byte
{"backgroundBlurSlider": "80"}|"backgroundBlurSlider" must be a number
{"quality": ["4K"]}|"quality" must be a list of "1080P" and "2K"
{"mirror": "X"}|"mirror" must be a list
{"songName": "a", "tip": {"x": 1, "x": 2}, "songName": "b"}|"songName" is given twice
[1, 2]|the top level must be an object
CASES
# Input that would take the memory: refused early, in as little as a few hundred megabytes.
while IFS='%' read -r input message; do
  set +e
  (ulimit -v 1500000 && eval "$input" | "$preset" make - -o deep.set 2>err.txt)
  code=$?
  set -e
  [ "$code" = 1 ] && grep -qF "$message" err.txt || fail "$input: exit $code, $(cat err.txt)"
done <<'CASES'
yes | head -c 300000000%too long: the JSON of a preset has at most 256 MB
python3 -c 'print("{\"tip\": " + "[" * 100000000)'%nested deeper than 16 levels
CASES
[ ! -e deep.set ] || fail "input too large left an output file"
python3 -c 'import json; print(json.dumps({"tip": "长" * 199}))' > long.json
"$preset" make long.json -o long.set || fail "199 units refused"
python3 -c 'import json; print(json.dumps({"tip": "x" * 198 + "😀"}))' > long.json
if "$preset" make long.json -o long.set 2> err.txt; then fail "200 units accepted"; fi
grep -qF '"tip" is longer than 199 UTF-16 units' err.txt || fail "over-long text: $(cat err.txt)"

# Files that fail say so in the editor's words.
head -c 20000 some.set > cut.set
if "$preset" dump cut.set > /dev/null 2> err.txt; then fail "a cut file dumped"; fi
[ "$(cat err.txt)" = "zarq-preset: cut.set: 读取失败！(ERROR 4): a text slot is cut short (the file ends in the middle of the texts)" ] ||
  fail "cut file: $(cat err.txt)"
if "$preset" dump missing.set > /dev/null 2> err.txt; then fail "a missing file dumped"; fi
[ "$(cat err.txt)" = "zarq-preset: missing.set: 无法读取文件！: no such file" ] ||
  fail "missing file: $(cat err.txt)"

# Several inputs into a folder: each under its own name, a bad one failing alone; inputs
# without a name of their own or landing on one file are refused before anything is written.
mkdir many sub
echo '{"songName": "a"}' > sub/a.json
expect_code 1 "$preset" make some.json sub/a.json cut.set -o many/
[ "$(ls many)" = "$(printf 'a.set\nsome.set')" ] || fail "make of several wrote: $(ls many)"
"$preset" dump many/a.set | grep -q '"songName": "a"' || fail "make of several mixed its inputs"
grep -q '^zarq-preset: cut.set: not JSON' "$work/err" || fail "make of several: $(cat "$work/err")"
# Two names of one file (a link here; a and A on Windows): the second input is not made
# over the first one's preset.
ln -s a.set many/empty.set
expect_said 1 'empty.json: not made: many/empty.set is the file sub/a.json was made into' \
  "$preset" make sub/a.json empty.json -o many/
"$preset" dump many/a.set | grep -q '"songName": "a"' || fail "the second input replaced the first"
rm many/empty.set
# An output that is the input itself, named so, as the input's preset in a folder or as the
# file standard input reads, would lose the JSON.
cp some.json self.set
for out in self.set ./; do
  expect_said 1 'self.set: not made: it would replace its own input' "$preset" make self.set -o "$out"
done
expect_said 1 '-: not made: it would replace its own input' "$preset" make - -o self.set <self.set
cmp -s some.json self.set || fail "make replaced its own input"
expect_code 0 "$preset" make empty.json -o many
[ -f many/empty.set ] || fail "make into an existing folder named without a slash"
for refused in "some.json - -o many/" "some.json sub/a.json a.json -o many/" \
  "some.json empty.json -o one.set"; do
  expect_code 2 "$preset" make $refused
done
[ ! -e many/a.json ] && [ ! -e one.set ] || fail "a refused make wrote something"

# render --preset: the page shows the preset's values; a preset that fails stops it.
echo '{"songName": "另一首歌"}' > song.json
"$preset" make song.json -o song.set
"$preset" render --page 2 --dir . -o plain.png
"$preset" render --page 2 --dir . --preset song.set -o song.png
if cmp -s plain.png song.png; then fail "render ignored --preset"; fi
if "$preset" render --page 2 --dir . --preset missing.set -o none.png 2> err.txt; then
  fail "render went on without its preset"
fi
grep -q '无法读取文件！' err.txt || fail "render --preset: $(cat err.txt)"
[ ! -e none.png ] || fail "render wrote a page without its preset"
echo ok
