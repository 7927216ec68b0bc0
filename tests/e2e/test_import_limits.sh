# A chart folder whose name is longer than a chart ID holds, with 2 GB of sparse music: the
# chart and its media are copied under the shortened ID the form shows (a message says so),
# the copy keeps the music's holes, and a chart over 256 MB is refused without a copy.
. "$ZARQ_E2E/lib.sh"

charts=$(cd .. && pwd)/charts
name=Artist_-_A_Long_Song_Title_Extended_Mix_Hard_v2_final_2024
id=${name:0:50}
mkdir -p "$charts/$name" "$charts/huge"
printf '{"ZarqVersion": 120, "name": "Long", "background": "a.png", "song": "a.wav"}\n' \
  >"$charts/$name/$name.json"
cp "$ZARQ_E2E/../../examples/demo-chart/demo-chart.png" "$charts/$name/$name.png"
music="$charts/$name/$name.wav"
truncate -s 2G "$music"
printf 'RIFF' | dd of="$music" bs=1 seek=$((1 << 30)) conv=notrunc status=none
cp "$charts/$name/$name.json" "$charts/huge/huge.json"
truncate -s 300M "$charts/huge/huge.json"

import_folder() {
  keys ctrl+shift+o
  pick_in_chooser "打开 Zarq 谱面文件夹" "$1"
  find_window "$ZARQ_TITLE - 打开 Zarq 谱面文件夹" 30 >/dev/null || fail "$2: no message"
  answer_window "$ZARQ_TITLE - 打开 Zarq 谱面文件夹" Return
  take_keyboard
}

start_editor
rest_pointer
import_folder "$charts/huge" "the huge chart"
[ ! -e huge.json ] && [ ! -e runfile.txt ] || fail "the huge chart was copied: $(ls)"

import_folder "$charts/$name" "the long name"
eventually 10 test -s "$id.WAV" || fail "the music was not copied under $id"
cmp -s "$id.json" "$charts/$name/$name.json" || fail "the chart was not copied under $id"
cmp -s "$id.PNG" "$charts/$name/$name.png" || fail "the illustration was not copied under $id"
[ "$(stat -c %s "$id.WAV")" = $((2 << 30)) ] || fail "the music copy is $(stat -c %s "$id.WAV") bytes"
used=$(du -k "$id.WAV" | cut -f1)
[ "$used" -lt 1024 ] || fail "the sparse music's copy takes $used kB of disk"
[ "$(dd if="$id.WAV" bs=1 skip=$((1 << 30)) count=4 status=none)" = RIFF ] ||
  fail "the music's data is not where it was"
ls | grep -q "^$name" && fail "files were copied under the folder's whole name: $(ls)"

close_editor
"$ZARQ_PRESET" check --json >check.json || true
/usr/bin/python3 -c '
import json, sys
missing = [m["status"] for m in json.load(open("check.json")) if m["page"] == 1 and "未找到" in m["status"]]
sys.exit(f"the form misses what was copied: {missing}" if missing else 0)' || fail "page 1 reports files not found"
grep -q "\"$id\"" <("$ZARQ_PRESET" dump --fields chartId save.set) || fail "the chart ID is not $id"
note "the long name's files agree with the chart ID; the music's copy takes $used kB"
