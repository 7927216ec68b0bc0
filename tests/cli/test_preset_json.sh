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

# Some values given: exactly those change, everything else stays the default.
cat > some.json <<'JSON'
{"texts": ["abc", null, "JPG"], "checkBoxes": [0, 7], "sliders": [null, 12.5],
 "optionPairs": [null, [true, true]], "obtainedType": "头像"}
JSON
"$preset" make some.json -o some.set
"$preset" dump some.set > some.out.json
python3 - defaults.json some.out.json <<'PY'
import json, sys
d = json.load(open(sys.argv[1])); s = json.load(open(sys.argv[2]))
assert d["version"] == 1005 and len(d["texts"]) == 65, d["version"]
assert d["checkBoxes"] == [1, 1, 1, 0, 0, 0, 0, 0, 0], d["checkBoxes"]
assert d["sliders"] == [150, 80, 1.0, 0.8, 0.8], d["sliders"]
assert d["optionPairs"] == [[True, False], [False, False], [True, True]], d["optionPairs"]
assert d["obtainedType"] == "无" and d["texts"][8] == "Zarq Radoziro", d["texts"][8]
e = dict(d)
e["texts"] = ["abc", d["texts"][1], "JPG"] + d["texts"][3:]
e["checkBoxes"] = [0, 7] + d["checkBoxes"][2:]
e["sliders"] = [150, 12.5] + d["sliders"][2:]
e["optionPairs"] = [d["optionPairs"][0], [True, True], d["optionPairs"][2]]
e["obtainedType"] = "头像"
assert s == e, (s, e)
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
echo '{"sliders": [1, 2, "x"]}' > wrong.json
if "$preset" make wrong.json -o wrong.set 2> err.txt; then fail "a string slider accepted"; fi
grep -q '"sliders\[2\]"' err.txt || fail "error does not name the entry: $(cat err.txt)"
[ ! -e wrong.set ] || fail "a wrong value left an output file"

# Files that fail say so in the editor's words.
head -c 20000 some.set > cut.set
if "$preset" dump cut.set > /dev/null 2> err.txt; then fail "a cut file dumped"; fi
[ "$(cat err.txt)" = "读取失败！(ERROR 4)" ] || fail "cut file: $(cat err.txt)"
if "$preset" dump missing.set > /dev/null 2> err.txt; then fail "a missing file dumped"; fi
[ "$(cat err.txt)" = "无法读取文件！" ] || fail "missing file: $(cat err.txt)"

# render --preset: the page shows the preset's values; a preset that fails stops it.
echo '{"texts": [null, null, null, null, null, null, null, null, "另一首歌"]}' > song.json
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
