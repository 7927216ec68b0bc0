#!/usr/bin/env bash
# zarq-preset.exe under Wine against the Linux zarq-preset on the same presets and folders:
# the same bytes and JSON, the same messages, pages drawn alike outside the text, an emoji
# drawn from another font as on Linux, and a background preview equal bit for bit.
#   test_cli_agrees.sh BUILD_WINDOWS LINUX_PRESET
set -euo pipefail
. "$(dirname "$0")/lib.sh"
linux=$(realpath "$2")
windows="$WINDOWS_BUILD/zarq-preset.exe"
examples=$(cd "$(dirname "$0")/../../examples" && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"; wineserver -k 2>/dev/null || true' EXIT
cd "$work"
unset DISPLAY

fail() {
  echo "FAIL: $*" >&2
  exit 1
}

# Runs one command line with both programs (paths relative to the current folder, which
# Wine sees as the same folder); each one's output goes to NAME.linux and NAME.windows, and
# the exit codes must agree.
both() {
  local name=$1 linux_code=0 windows_code=0
  shift
  "$linux" "$@" >"$name.linux" 2>"$name.linux.err" || linux_code=$?
  wine "$windows" "$@" >"$name.windows" 2>"$name.windows.err" || windows_code=$?
  [ "$linux_code" = "$windows_code" ] ||
    fail "$name: exit $linux_code on Linux, $windows_code on Windows: $(cat "$name.windows.err")"
}

same_output() { cmp -s "$1.linux" "$1.windows" || fail "$1 differs: $(diff "$1.linux" "$1.windows" | head -5)"; }

# Presets: made and read alike.
cat >values.json <<'JSON'
{"texts": ["谱面😀", null, null, "200", "40", null, null, null, "曲名 with spaces"],
 "checkBoxes": [false, true], "sliders": [200, 40]}
JSON
"$linux" make values.json -o linux.set
wine "$windows" make values.json -o windows.set
cmp -s linux.set windows.set || fail "make wrote different presets"
both dump dump linux.set
same_output dump
grep -q '谱面😀' dump.windows || fail "the dump lost the chart ID's characters"

# A chart folder as the editor finds it, media named as the form names them.
mkdir chart
cp "$examples/demo-chart/demo-chart.json" chart/
cp "$examples/demo-chart/demo-chart.png" chart/demo-chart.PNG
cp "$examples/demo-chart/demo-chart.wav" chart/demo-chart.MP3
echo '{"texts": ["demo-chart"], "sliders": [0]}' >undimmed.json
"$linux" make undimmed.json -o chart/undimmed.set

both check-empty check --json
same_output check-empty
both check-chart check --dir chart --preset chart/undimmed.set --json
same_output check-chart
both import import chart/demo-chart.json
same_output import

# The shell's habits, wide-character names included: the same output, the same words on
# the standard error and the same exit code.
cp chart/undimmed.set "chart/谱面😀.set"
n=0
while read -r line; do
  n=$((n + 1))
  both "habit$n" $line
  same_output "habit$n"
  cmp -s "habit$n.linux.err" "habit$n.windows.err" ||
    fail "'$line' says '$(cat "habit$n.windows.err")' on Windows, '$(cat "habit$n.linux.err")' on Linux"
done <<'CASES'
-V
help make
render --help
dmup linux.set
render --pgae=1 -o x.png
dump --fields=songName,chartId --fields=chartId,holdBpm linux.set
dump --fields=sonName linux.set
check chart/谱面😀.set
check --dir=. chart/谱面😀.set
__complete dump --fields=songN
CASES
wine "$windows" make --output="谱面😀.set" -- values.json
cmp -s 谱面😀.set linux.set || fail "make --output= with a wide name wrote another preset"
# A console is a terminal; a pipe and a file are not. Wine draws its console on the terminal
# with escape sequences, a blank as a step of the cursor.
set +e
script -qec "wine $windows make values.json -o -" /dev/null </dev/null >terminal.txt 2>&1
code=$?
set -e
said=$(sed 's/\x1b\[[0-9;?]*[A-Za-z]//g' terminal.txt | tr -d ' \r\n')
[ "$code" = 2 ] && grep -qF "notwritingbinarydatatotheterminal" <<<"$said" ||
  fail "make -o - to the console: exit $code, $(head -c 300 <<<"$said")"
wine "$windows" make values.json -o - | cmp -s - linux.set || fail "make -o - to a pipe"

# Each page drawn alike: nothing differs away from what is drawn, and what is drawn lies
# mostly in the same places (text is laid out by pango on Linux and by GDI+ on Windows).
ink() { convert "$1" -colorspace gray -threshold 25% -format '%[fx:round(mean*w*h)]' info:; }
for page in 1 2 3 4 5 6; do
  "$linux" render --page "$page" -o "linux$page.png"
  wine "$windows" render --page "$page" -o "windows$page.png" || fail "render --page $page failed"
  compare -fuzz 0 "linux$page.png" "windows$page.png" -compose src -highlight-color white \
    -lowlight-color black "differ$page.png" 2>/dev/null || true
  convert "linux$page.png" "windows$page.png" -compose lighten -composite -colorspace gray \
    -threshold 0 -morphology Dilate Disk:2 "drawn$page.png"
  outside=$(convert "differ$page.png" \( "drawn$page.png" -negate \) -compose multiply -composite \
    -colorspace gray -format '%[fx:round(mean*w*h)]' info:)
  [ "$outside" = 0 ] || fail "page $page: $outside pixels differ away from anything drawn"
  linux_ink=$(ink "linux$page.png")
  windows_ink=$(ink "windows$page.png")
  common=$(convert "linux$page.png" "windows$page.png" -colorspace gray -threshold 25% \
    -compose multiply -composite -format '%[fx:round(mean*w*h)]' info:)
  larger=$((linux_ink > windows_ink ? linux_ink : windows_ink))
  [ $((common * 100)) -ge $((larger * 80)) ] ||
    fail "page $page: only $common of $larger drawn pixels lie in the same places"
done

# A character the editor's font lacks is drawn from another installed family, as pango
# does on Linux: an emoji in the song name is no box (it differs from a character no font
# has, which stays one) and lies where the Linux build draws it.
echo '{"songName": "Zarq \ud83d\ude00\u2615"}' >emoji.json
echo '{"songName": "Zarq \udbff\udffd\udbff\udffd"}' >nothing.json
for name in emoji nothing; do
  "$linux" make "$name.json" -o "$name.set"
  wine "$windows" render --page 2 --preset "$name.set" -o "$name.windows.png"
  convert "$name.windows.png" -crop 400x40+230+128 +repage "$name.windows-name.png"
done
"$linux" render --page 2 --preset emoji.set -o emoji.linux.png
convert emoji.linux.png -crop 400x40+230+128 +repage emoji.linux-name.png
differing=$(compare -metric AE emoji.windows-name.png nothing.windows-name.png null: 2>&1 || true)
[ "$differing" -gt 100 ] || fail "the emoji is drawn as a box, as a character no font has"
common=$(convert emoji.linux-name.png emoji.windows-name.png -colorspace gray -threshold 25% \
  -compose multiply -composite -format '%[fx:round(mean*w*h)]' info:)
linux_ink=$(ink emoji.linux-name.png)
windows_ink=$(ink emoji.windows-name.png)
larger=$((linux_ink > windows_ink ? linux_ink : windows_ink))
[ $((common * 100)) -ge $((larger * 60)) ] ||
  fail "the song name with an emoji: only $common of $larger drawn pixels lie where Linux draws them"

# The preview of a PNG illustration, undimmed, where no control covers it: the left edge
# and the bottom of page 2.
"$linux" render --page 2 --dir chart --preset chart/undimmed.set -o preview.linux.png
wine "$windows" render --page 2 --dir chart --preset chart/undimmed.set -o preview.windows.png
for region in 60x720+0+0 960x60+0+660; do
  convert preview.linux.png -crop "$region" +repage linux-region.png
  convert preview.windows.png -crop "$region" +repage windows-region.png
  differing=$(compare -metric AE linux-region.png windows-region.png null: 2>&1 || true)
  [ "$differing" = 0 ] || fail "the preview differs in $differing pixels of $region"
  [ "$(convert linux-region.png -format '%[fx:mean>0.05]' info:)" = 1 ] ||
    fail "no illustration in $region: the comparison would prove nothing"
done

# Names Windows gives to devices are no presets, and no missing files either.
for name in NUL CON 'chart\AUX.set'; do
  wine "$windows" dump "$name" >/dev/null 2>device.err && fail "dump $name succeeded"
  grep -qxF "zarq-preset: $name: 无法读取文件！: not a regular file" device.err ||
    fail "dump $name: $(cat device.err)"
done

# A name Windows allows for no file is said to be one, not taken for a missing file.
wine "$windows" dump 'z<.set' >/dev/null 2>invalid.err && fail "dump of z<.set succeeded"
grep -qxF "zarq-preset: z<.set: 无法读取文件！: not a valid file name on this system" invalid.err ||
  fail "dump z<.set: $(cat invalid.err)"

# Names that differ only in case are one file on Windows: the second input is refused, not
# made over the first one's preset.
mkdir lower upper cased
echo '{"songName": "lower"}' >lower/a.json
echo '{"songName": "upper"}' >upper/A.json
wine "$windows" make 'lower\a.json' 'upper\A.json' -o 'cased\' 2>cased.err && fail "make of a and A succeeded"
grep -qF 'upper\A.json: not made: cased\A.set is the file lower\a.json was made into' cased.err ||
  fail "make of a and A: $(cat cased.err)"
"$linux" dump cased/a.set | grep -q '"songName": "lower"' || fail "A.json replaced a.json's preset"
# Ctrl+C while a preset is written (the console's event, which Wine makes of SIGINT) takes
# the temporary file along, as a signal does on Linux, and only that one. The flush is
# slowed so that the event comes while the file is still open; a busy machine may still let
# the write end first, with its save.set, but never with a temporary file of its own left.
mkdir interrupted
touch interrupted/.zarq-others00.tmp
strace -f -qq -o /dev/null -e trace=fsync,fdatasync -e inject=fsync,fdatasync:delay_enter=6000000 \
  wine "$windows" make values.json -o 'interrupted\save.set' 2>/dev/null &
tracer=$!
for _ in $(seq 600); do
  [ "$(ls -A interrupted | wc -l)" -gt 1 ] && break
  sleep 0.1
done
ls -A interrupted | grep -qv others00 || fail "Ctrl+C: make never began its file"
kill -INT "$(pgrep -P "$tracer")"
wait "$tracer" || true
# The file marked for deletion goes when Wine's server closes the ended process's handles,
# a moment after the process.
for _ in $(seq 100); do
  left=$(ls -A interrupted | grep -vx '.zarq-others00.tmp' | grep -x '\.zarq-.*\.tmp' || true)
  [ -z "$left" ] && break
  sleep 0.1
done
[ -z "$left" ] && [ -e interrupted/.zarq-others00.tmp ] || fail "Ctrl+C left: $(ls -A interrupted)"

echo "zarq-preset.exe agrees with zarq-preset"
