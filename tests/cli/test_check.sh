#!/usr/bin/env bash
# zarq-preset check: the messages of every page, as a table on a terminal, as lines and as
# JSON elsewhere, each naming its field as dump and make do; and its exit codes.
. "$(dirname "$0")/lib.sh"
expect_line() {
  grep -qxF "$1" "$work/out" || fail "missing line '$1' in: $(cat "$work/out")"
}
tab=$'\t'

expect_code 2 "$preset" check --bogus
expect_said 2 "no such folder: $work/missing" "$preset" check --dir "$work/missing"
touch "$work/a.json"
expect_said 2 "not a folder: $work/a.json" "$preset" check --dir "$work/a.json"
expect_code 2 "$preset" check --dir
expect_said 1 "missing.set: 无法读取文件！: no such file" "$preset" check "$work/missing.set"

# An empty folder: the chart and its media are missing.
mkdir "$work/empty"
expect_code 1 "$preset" check --dir "$work/empty"
expect_line "1${tab}chartId${tab}error${tab}错误：未找到 20220924.json！"
expect_line "1${tab}illustrationExt${tab}error${tab}错误：未找到 20220924.PNG！"
expect_line "3${tab}chartDuration${tab}error${tab}错误：谱面时长不能为空！"
expect_line "4${tab}avatar${tab}error${tab}错误：未找到 头像.png！"
expect_line "5${tab}holdBpm${tab}warning${tab}警告：长条BPM应在90 - 270之间！"
[ "$(awk -F'\t' 'NF != 4' "$work/out" | wc -l)" -eq 0 ] || fail "every line has four fields"
cp "$work/out" "$work/plain"

expect_code 1 "$preset" check --dir "$work/empty" --json
python3 - "$work/out" "$work/plain" <<'PY' || fail "the JSON does not match the text"
import json, sys
messages = json.load(open(sys.argv[1], encoding="utf-8"))
lines = [l.split("\t") for l in open(sys.argv[2], encoding="utf-8").read().splitlines()]
assert [[str(m["page"]), m["field"], m["kind"], m["status"]] for m in messages] == lines
PY

# On a terminal (a pseudo-terminal here) a table, and one under each preset's name.
script -qec "$preset check --dir $work/empty" /dev/null | tr -d '\r' >"$work/out" || true
expect_line "page  field            kind     message"
expect_line "3     chartDuration    error    错误：谱面时长不能为空！"
expect_line "5     holdBpm          warning  警告：长条BPM应在90 - 270之间！"
"$preset" make <(echo '{}') -o "$work/empty/save.set"
script -qec "$preset check $work/empty/save.set" /dev/null | tr -d '\r' >"$work/out" || true
expect_line "$work/empty/save.set: 5 errors"
expect_line "  4     avatar           error    错误：未找到 头像.png！"
rm "$work/empty/save.set"

# A chart with its media: the chart offers the auto-fill, its media pass.
full="$work/full"
mkdir "$full"
printf '{\n  "ZarqVersion": 120\n}\n' >"$full/20220924.json"
expect_code 0 "$preset" render --page 1 --dir "$work/empty" -o "$full/20220924.PNG"
cp "$full/20220924.PNG" "$full/头像.png"
printf 'audio' >"$full/20220924.MP3"
expect_code 1 "$preset" check --dir "$full"
expect_line "1${tab}chartId${tab}prompt${tab}点击此处自动填写！"
grep -q "illustrationExt${tab}" "$work/out" && fail "the illustration should pass"
grep -q "avatar${tab}" "$work/out" && fail "the avatar should pass"

# With a duration and a hold tempo filled in, nothing is an error any more.
python3 -c 'import json; t = [None] * 65; t[21] = t[35] = "120"; print(json.dumps({"texts": t}))' \
  >"$work/filled.json"
expect_code 0 "$preset" make "$work/filled.json" -o "$work/filled.set"
expect_code 0 "$preset" check --dir "$full" --preset "$work/filled.set"
grep -q "${tab}error${tab}" "$work/out" && fail "no error expected: $(cat "$work/out")"
expect_line "1${tab}chartId${tab}prompt${tab}点击此处自动填写！"
expect_code 1 "$preset" check --dir "$full" --preset "$work/missing.set"

# Several presets beside their chart, whose files are named in another case: each is checked
# as the editor would check it, in the order given.
cased="$work/cased"
mkdir "$cased"
for f in 20220924.json 20220924.PNG 头像.png 20220924.MP3; do
  cp "$full/$f" "$cased/$(echo "$f" | tr 'a-zA-Z' 'A-Za-z')"
done
cp "$work/filled.set" "$cased/b.set"
"$preset" make "$work/filled.json" -o "$cased/a.set"
expect_code 0 "$preset" check "$cased/b.set" "$cased"
python3 - "$work/out" "$cased" <<'PY' || fail "check of several: $(cat "$work/out")"
import json, sys
lines = [json.loads(l) for l in open(sys.argv[1], encoding="utf-8")]
assert [l["input"] for l in lines] == [sys.argv[2] + p for p in ("/b.set", "/a.set", "/b.set")]
assert all(l["errors"] == 0 and l["messages"][0]["kind"] == "prompt" for l in lines), lines
PY
echo "ok"
