#!/usr/bin/env bash
# zarq-preset in the shell's habits: --option=value, -V, help COMMAND, the nearest name after
# a typo, no binary output to a terminal, presets judged in their own folder, and the bash
# completion installed with it.
. "$(dirname "$0")/lib.sh"
root=$(cd "$(dirname "$0")/../.." && pwd)
cd "$work"
preset=$(realpath "$preset")

# A chart folder whose save.set is sound there: with its duration and tempo, nothing is an
# error; away from its chart and media, the same form is.
mkdir chart elsewhere
printf '{"ZarqVersion": 120}\n' >chart/20220924.json
"$preset" render --page 1 --dir elsewhere -o chart/20220924.PNG
cp chart/20220924.PNG chart/头像.png
printf 'audio' >chart/20220924.MP3
echo '{"chartDuration": "120", "holdBpm": "120"}' >filled.json
"$preset" make filled.json -o chart/save.set

# Two spellings of the same command line give the same result.
while IFS='|' read -r spaced joined; do
  expect_code 0 "$preset" $spaced
  cp out spaced.out
  cmp -s spaced.out <("$preset" $joined) || fail "'$joined' differs from '$spaced'"
done <<'CASES'
--version|-V
make --help|help make
render --help|help render
dump --help|help dump
check --help|help check
import --help|help import
dump --fields songName,chartId chart/save.set|dump --fields=songName,chartId chart/save.set
check --dir chart --json|check --dir=chart --json
render --page 2 --dir chart -o -|render --page=2 --dir=chart --output=-
CASES
make_help=$("$preset" make --help)
grep -q '^  \$ zarq-preset make ' <<<"$make_help" || fail "make --help shows no example"
grep -q '^  -o, --output=OUT.set ' <<<"$make_help" || fail "make --help lists no options"
expect_code 0 "$preset" make --output=a.set -- filled.json
cmp -s a.set chart/save.set || fail "make --output= wrote another preset"
expect_code 0 "$preset" dump --fields=songName chart/save.set
[ "$(tr -d ' \n' <out)" = '{"songName":"ZarqRadoziro"}' ] || fail "dump --fields: $(cat out)"

# A typo is answered with the nearest name, and nothing is done.
echo '{"chartDurtaion": "120"}' >typo.json
echo '{"colour": "red"}' >nothing-near.json
echo '{"text": []}' >numbered.json
while IFS='|' read -r line said; do
  expect_code "${said%% *}" "$preset" $line
  grep -qxF "zarq-preset: ${said#* }" err || fail "'$line' said: $(cat err)"
done <<'CASES'
dmup chart/save.set|2 unknown command 'dmup'; did you mean 'dump'? (see zarq-preset --help)
help chekc|2 unknown command 'chekc'; did you mean 'check'? (see zarq-preset --help)
--verison|2 unknown option --verison; did you mean --version? (see zarq-preset --help)
render --pgae=1 -o x.png|2 unknown option --pgae; did you mean --page? (see zarq-preset render --help)
make --ouput x.set filled.json|2 unknown option --ouput; did you mean --output? (see zarq-preset make --help)
check --json=yes|2 option --json takes no value (see zarq-preset check --help)
dump --fields=sonName chart/save.set|2 no field is called "sonName"; did you mean "songName"? (see zarq-preset dump --help)
make typo.json -o x.set|1 typo.json: unknown key "chartDurtaion" (did you mean "chartDuration"?)
make nothing-near.json -o x.set|1 nothing-near.json: unknown key "colour"
make numbered.json -o x.set|1 numbered.json: unknown key "text" (did you mean "texts"?)
CASES
[ ! -e x.set ] && [ ! -e x.png ] || fail "a refused command wrote its output"

# Binary output to a terminal is refused with a hint; to a pipe or a file it is written.
for line in "make filled.json -o -" "render --page 1 --output=-"; do
  set +e
  script -qec "$preset $line" /dev/null </dev/null >terminal.txt 2>&1
  code=$?
  set -e
  [ "$code" = 2 ] || fail "'$line' on a terminal exited $code"
  grep -qF "not writing binary data to the terminal: name a file with -o FILE, or redirect the output (-o - >FILE)" \
    terminal.txt || fail "'$line' on a terminal: $(cat terminal.txt)"
  [ "$(wc -c <terminal.txt)" -lt 400 ] || fail "'$line' wrote binary data to the terminal"
done
set +e
script -qec "$preset make filled.json -o - >piped.set" /dev/null </dev/null >/dev/null
set -e
cmp -s piped.set chart/save.set || fail "make -o - redirected from a terminal wrote no preset"

# A preset is judged in the folder it lies in, wherever check and render are run from.
expect_code 0 "$preset" check chart/save.set
grep -qF '"errors":0' out || fail "save.set in its folder: $(cat out)"
(cd elsewhere && expect_code 0 "$preset" check ../chart) || exit 1
expect_code 1 "$preset" check --dir elsewhere chart/save.set
grep -qF '"field":"chartDuration"' out && fail "--dir elsewhere judged the duration"
grep -qF '"errors":0' out && fail "--dir elsewhere found the chart's media"
expect_code 0 "$preset" check --preset chart/save.set
expect_code 1 "$preset" check --preset chart/save.set --dir elsewhere
"$preset" render --page 1 --preset chart/save.set -o own.png
"$preset" render --page 1 --preset chart/save.set --dir chart -o dir.png
"$preset" render --page 1 --preset chart/save.set --dir elsewhere -o away.png
cmp -s own.png dir.png || fail "render --preset drew it away from its folder"
cmp -s own.png away.png && fail "render --dir elsewhere drew the chart's folder"

# bash completion, as bash calls it when TAB is pressed after what is typed.
mkdir bin
ln -s "$preset" bin/zarq-preset
complete_line() {
  PATH="$work/bin:$PATH" bash -c '
    . "$1"
    COMP_LINE=$2 COMP_POINT=${#2}
    read -ra COMP_WORDS <<<"$2"
    _zarq_preset zarq-preset "" ""
    printf "%s\n" "${COMPREPLY[@]}"' _ "$root/data/bash-completion/zarq-preset" "$1"
}
while IFS='|' read -r typed offered; do
  [ "$(complete_line "$typed" | paste -sd ' ')" = "$offered" ] ||
    fail "'$typed<TAB>' offers '$(complete_line "$typed" | paste -sd ' ')', not '$offered'"
done <<'CASES'
zarq-preset d|dump
zarq-preset help ch|check
zarq-preset render --pa|--page
zarq-preset render --page |1 2 3 4 5 6
zarq-preset dump --fields=songN|songName songNameSplit
zarq-preset dump --fields songName,chartI|songName,chartId
zarq-preset check --js|--json
zarq-preset -V|
CASES

# The progress line of a long make shows on a terminal, but not on one narrower than the
# line, where it would wrap and its wipe leave rows behind. The first input comes only
# after a second and a half, so the line is due once it is made.
echo '{}' >empty.json
cat >slow-make.sh <<'SH'
stty cols "$2"
"$1" make <(sleep 1.5; echo '{}') empty.json -o progress/
SH
mkdir progress
for cols in 80 20; do
  script -qec "bash slow-make.sh '$preset' $cols" /dev/null >"progress-$cols.txt"
done
grep -q 'made 1 of 2' progress-80.txt || fail "no progress line: $(cat -A progress-80.txt)"
! grep -q 'made' progress-20.txt || fail "the line is wider than the terminal: $(cat -A progress-20.txt)"
echo "ok"
