#!/usr/bin/env bash
# zarq-preset takes file names byte for byte (printing what is no UTF-8 escaped), ends its
# options at --, skips what is no file in a folder instead of waiting on it, reads a stream no
# further than the longest preset, names the key of a number JSON cannot hold, and on a full
# disk keeps the file it was to replace and says that the disk is full.
. "$(dirname "$0")/lib.sh"
cd "$work"
echo '{"chartId": "ff"}' >ff.json
echo '{"chartId": "fe"}' >fe.json

# Two names that differ in a byte that is no UTF-8 are two files.
expect_code 0 "$preset" make ff.json -o $'a\xff.set'
expect_code 0 "$preset" make fe.json -o $'a\xfe.set'
[ "$(ls a*.set | wc -l)" = 2 ] || fail "the two names became one: $(ls)"
expect_code 0 "$preset" dump $'a\xff.set'
grep -q '"chartId": "ff"' out || fail "dump read another file than the one named"
expect_said 1 'b\xFF.set: ' "$preset" dump $'b\xff.set'
expect_code 0 "$preset" dump .
grep -qF '"input":"./a\\xFF.set"' out || fail "the JSON names no escaped file: $(cat out)"

# Control characters of a name, a key or a preset's text reach no terminal: the terminal
# would act on them (an unended OSC sequence swallows what follows).
printf '{"chartId": "a\\u001b]0;x", "\\u001b[2Jkey": 1}' >esc.json
expect_said 1 'unknown key "\u001b[2Jkey"' "$preset" make esc.json -o esc.set
printf '{"chartId": "a\\u001b]0;x\\u0085"}' >esc.json
expect_code 0 "$preset" make esc.json -o $'esc\e.set'
expect_code 0 "$preset" make esc.json -o kept.set
expect_code 0 "$preset" make ff.json -o kept.set
printf '"%s" %s $%s\n' "$preset" check "'esc\e.set'" "$preset" dump "'nothing\e.set'" \
  "$preset" history "'kept.set'" >esc.sh
script -qec "bash esc.sh" /dev/null >esc.txt || true
grep -q 'esc\\x1B.set: [0-9]* errors' esc.txt && grep -qF 'nothing\x1B.set: ' esc.txt &&
  grep -q '^1  .*  a ]0;x ' esc.txt ||
  fail "the names are not escaped: $(cat -A esc.txt)"
! grep -q $'\e\|\xc2\x85' esc.txt || fail "a control character reached the terminal: $(cat -A esc.txt)"

# -- ends the options.
expect_code 0 "$preset" make ff.json -o -dash.set
expect_code 2 "$preset" dump -dash.set
expect_code 0 "$preset" dump -- -dash.set

# A link to standard output (/dev/fd/1, /dev/stdout) is standard output, as - is: replaced
# like a file, it would leave the pipe empty.
"$preset" make ff.json -o - >dash.out
"$preset" make ff.json -o /dev/fd/1 | cmp -s - dash.out || fail "-o /dev/fd/1 wrote no preset to the pipe"

# A pipe among the presets of a folder is skipped and named, never waited on.
mkdir folder
cp $'a\xff.set' folder/good.set
mkfifo folder/pipe.set
for command in dump check; do
  set +e
  timeout 20 "$preset" "$command" folder >out 2>err
  code=$?
  set -e
  [ "$code" -lt 124 ] || fail "$command folder waited on the pipe"
  grep -q 'folder/pipe.set: skipped: not a regular file' err || fail "$command: $(cat err)"
  grep -q 'good.set' out || fail "$command folder left out the preset"
done

# A folder or file named twice, however spelt, is read once.
expect_code 0 "$preset" dump folder ./folder/
[ "$(grep -c 'good.set' out)" = 1 ] && [ "$(grep -c 'pipe.set' err)" = 1 ] ||
  fail "a folder named twice is read twice: $(cat out err)"
expect_code 0 "$preset" dump folder/good.set ./folder//good.set
[ "$(grep -c 'good.set' out)" = 1 ] || fail "a file named twice is read twice: $(cat out)"

# A stream is read no further than the longest preset.
expect_code 0 sh -c "\"$preset\" dump - <folder/good.set"
set +e
head -c 100000000 /dev/zero | timeout 20 "$preset" dump - >out 2>err
code=$?
set -e
[ "$code" = 1 ] && grep -q 'too long: a preset has at most 26153 bytes' err ||
  fail "an endless stream: exit $code, $(cat err)"

echo '{"rks": 1e999}' >huge.json
expect_said 1 '"rks" has a bad value: 1e999' "$preset" make huge.json -o huge.set

# A name of 250 bytes is replaced whole like any other.
long=$(printf 'n%.0s' $(seq 246)).set
expect_code 0 "$preset" make ff.json -o "$long"
expect_code 0 "$preset" make fe.json -o "$long"
"$preset" dump "$long" | grep -q '"chartId": "fe"' || fail "the long name was not replaced"

if [ "$(id -u)" = 0 ] && mkdir disk && mount -t tmpfs -o size=64k tmpfs disk 2>/dev/null; then
  trap 'umount -l "$work/disk"; rm -rf "$work"' EXIT
  printf 'the old picture' >disk/page.png
  expect_code 0 "$preset" make ff.json -o "disk/$long"
  head -c 100000 /dev/zero >disk/filler 2>/dev/null || true
  expect_code 1 "$preset" render --page 1 -o disk/page.png
  grep -q 'disk/page.png: .*: the disk is full' err || fail "render on a full disk: $(cat err)"
  [ "$(cat disk/page.png)" = "the old picture" ] || fail "render on a full disk lost the old file"
  expect_said 1 'the disk is full' "$preset" make fe.json -o "disk/$long"
  "$preset" dump "disk/$long" | grep -q '"chartId": "ff"' || fail "make on a full disk cut the old file"
  [ -z "$(find disk -name '.zarq-*.tmp')" ] || fail "temporary files were left: $(ls -A disk)"
else
  echo "not root or no tmpfs: the full-disk cases are not run"
fi

# A FAT stick refuses a name holding ":" only when the new file takes it: the system says
# EINVAL, which is told as a name the file system does not allow, the old file kept.
expect_code 0 "$preset" make ff.json -o 'a:b.set'
expect_code 1 strace -f -qq -o /dev/null -e inject=rename,renameat,renameat2:error=EINVAL \
  "$preset" make fe.json -o 'a:b.set'
grep -q 'a:b.set: .*: not a valid file name on this system' err || fail "an invalid name: $(cat err)"
"$preset" dump 'a:b.set' | grep -q '"chartId": "ff"' || fail "a refused name cost the old file"
