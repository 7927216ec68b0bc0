#!/usr/bin/env bash
# zarq-preset writes presets as the editor does: the file is replaced whole, keeps its
# owner, and is written in place where the folder takes no new files, its old content kept in
# its history first so that a kill at any write costs nothing; inputs that are no regular
# files end in a message, never in a wait.
. "$(dirname "$0")/lib.sh"
cd "$work"
echo '{}' >defaults.json
echo '{"songName": "就地"}' >song.json

# The companion only looks at a folder: a save.set it cannot read stays where it is (only the
# editor moves it aside), and one that is a pipe, a folder or a device is no reason to wait.
mkdir -p damaged fifo folder device
printf 'not a preset' >damaged/save.set
mkfifo fifo/save.set
mkdir folder/save.set
ln -s /dev/zero device/save.set
for dir in damaged fifo folder device; do
  set +e
  timeout 20 "$preset" check --dir "$dir" >out 2>err
  code=$?
  set -e
  [ "$code" -lt 124 ] || fail "check --dir $dir: timed out or crashed ($code)"
  [ -e "$dir/save.set" ] && [ ! -e "$dir/save.set.unreadable" ] || fail "check --dir $dir moved save.set"
done
# Named on the command line, a folder or a device is refused; a pipe is read as a stream,
# as the shell's <(...) hands it out.
for dir in damaged folder device; do
  set +e
  timeout 20 "$preset" dump "$dir/save.set" >out 2>err
  code=$?
  set -e
  [ "$code" = 1 ] || fail "dump $dir/save.set: exit $code, not 1"
done
[ "$(cat damaged/save.set)" = "not a preset" ] || fail "check changed a damaged save.set"

# Under a locale whose decimal mark is a comma the numbers keep their point.
mkdir locales
localedef -i de_DE -f UTF-8 "$work/locales/de_DE.UTF-8" >/dev/null 2>&1 ||
  [ -d locales/de_DE.UTF-8 ] || fail "localedef could not build de_DE.UTF-8"
echo '{"hitSoundVolumeSlider": 0.5}' >half.json
LOCPATH="$work/locales" LC_ALL=de_DE.UTF-8 "$preset" make half.json -o half.set
"$preset" dump half.set | grep '"hitSoundVolume": "0.5"' >/dev/null || fail "make under a comma locale"

# A run ended by a signal while it writes takes its temporary file along, and only its own:
# one beside it may be another process's, being written right now. Every write is slowed so
# that the signal arrives in the middle.
mkdir ended
touch ended/.zarq-others00.tmp
for signal in TERM HUP; do
  strace -f -qq -o /dev/null -e inject=write,pwrite64,writev:delay_enter=2000000 \
    "$preset" make song.json -o ended/save.set 2>/dev/null &
  tracer=$!
  for _ in $(seq 100); do
    [ "$(ls -A ended | wc -l)" -gt 1 ] && break
    sleep 0.1
  done
  ls -A ended | grep -qv others00 || fail "SIG$signal: make never began its file"
  kill -"$signal" "$(pgrep -P "$tracer")"
  set +e
  wait "$tracer"
  code=$?
  set -e
  [ "$code" -gt 128 ] || fail "SIG$signal: make ended $code, not by the signal"
  [ "$(ls -A ended)" = .zarq-others00.tmp ] || fail "SIG$signal left: $(ls -A ended)"
done

# Every preset make replaces is kept first: history lists them newest first (number, time,
# chart ID, song name), restore puts one back and keeps the one it replaces.
for id in first second third; do
  echo "{\"chartId\": \"$id\", \"songName\": \"曲 $id\"}" | "$preset" make - -o kept.set
done
"$preset" history kept.set | awk -F'  ' '{print $1, $3, $4}' >listing
printf '1 second 曲 second\n2 first 曲 first\n' | cmp -s - listing || fail "history: $(cat listing)"
expect_code 0 "$preset" restore 2 kept.set
"$preset" dump kept.set | grep -q '"chartId": "first"' || fail "restore 2 did not put the first back"
"$preset" history kept.set | awk -F'  ' 'NR == 1 {print $3}' | grep -qx third ||
  fail "the preset restore replaced was not kept"
expect_code 1 "$preset" restore 9 kept.set
# A damaged version is not put back over a sound preset.
cp kept.set before.set
damaged=$(ls -t "$XDG_DATA_HOME"/zarq-settings/history/kept.set-*/* | head -n1)
truncate -s 20 "$damaged"
expect_code 1 "$preset" restore 1 kept.set
cmp -s before.set kept.set || fail "restore put a damaged version back"
# Nor is a pipe planted as the newest version waited on.
rm "$damaged"
mkfifo "$(dirname "$damaged")/999999-1.set"
expect_code 1 timeout 10 "$preset" restore 1 kept.set
cmp -s before.set kept.set || fail "restore of a pipe changed the preset"

if [ "$(id -u)" = 0 ] && command -v setpriv >/dev/null; then
  mkdir "$work/nobody-data"
  chown 65534:65534 "$work/nobody-data"
  nobody() { XDG_DATA_HOME="$work/nobody-data" setpriv --reuid=65534 --regid=65534 --clear-groups "$@"; }
  chmod 755 "$work"
  chmod 644 ./*.json
  mkdir locked
  expect_code 0 "$preset" make defaults.json -o locked/save.set
  chown 65534:65534 locked/save.set
  # Nobody may create files in the folder, but may write the file.
  expect_code 0 nobody "$preset" make song.json -o locked/save.set
  "$preset" dump locked/save.set | grep '"songName": "就地"' >/dev/null || fail "not written in place"
  [ "$(ls -A locked)" = save.set ] || fail "stray files: $(ls -A locked)"
  # A file nobody may write stays as it was.
  chown 0:0 locked/save.set
  expect_said 1 'locked/save.set' nobody "$preset" make defaults.json -o locked/save.set
  "$preset" dump locked/save.set | grep '"songName": "就地"' >/dev/null || fail "the refused file changed"
  # Nor does a restore over it take a copy into its history first, which would push the
  # version asked for down the list.
  nobody "$preset" history locked/save.set >history.before
  expect_code 1 nobody "$preset" restore 1 locked/save.set
  nobody "$preset" history locked/save.set | cmp -s history.before - ||
    fail "the refused restore changed the history: $(nobody "$preset" history locked/save.set)"
  # Replaced by root, the file stays the user's.
  chown 65534:65534 locked/save.set
  expect_code 0 "$preset" make defaults.json -o locked/save.set
  [ "$(stat -c %u:%g locked/save.set)" = 65534:65534 ] || fail "owner lost: $(stat -c %u:%g locked/save.set)"

  # A folder nobody may list is a failure of its own, also beside one that can be listed.
  mkdir hidden
  cp locked/save.set hidden/
  chmod 700 hidden
  for command in dump check; do
    expect_said 1 'hidden: cannot be listed: Permission denied' \
      nobody "$preset" "$command" locked hidden
    grep -q 'locked/save.set' out || fail "$command left out the folder it can list: $(cat out)"
  done

  # Killed at each write of an in-place write in turn (the history's copy first, then the
  # preset itself): save.set is the old preset or the new one, or restore 1 brings the old
  # one back.
  cp locked/save.set old.set
  # strace runs the program as nobody, who may not reach a build inside a private folder.
  cp "$preset" "$work/zarq-preset"
  restored=0
  for when in 1 2 3; do
    cp old.set locked/save.set
    rm -rf "$work/nobody-data/zarq-settings"
    # strace ends as the killed process did; sh keeps that from the test's own output.
    XDG_DATA_HOME="$work/nobody-data" sh -c '"$@"; exit 0' sh strace -f -qq -o /dev/null \
      -u nobody -e inject=write,pwrite64,writev:signal=KILL:when=$when \
      "$work/zarq-preset" make song.json -o locked/save.set 2>/dev/null
    if ! cmp -s old.set locked/save.set && ! "$preset" dump locked/save.set 2>/dev/null | grep -q '"songName": "就地"'; then
      expect_code 0 nobody "$preset" restore 1 locked/save.set
      cmp -s old.set locked/save.set || fail "killed at write $when: restore 1 did not bring the old preset back"
      restored=$((restored + 1))
    fi
    [ "$(ls -A locked)" = save.set ] || fail "killed at write $when: stray files: $(ls -A locked)"
  done
  [ "$restored" -gt 0 ] || fail "no kill left save.set cut: the in-place write was not reached"

  # A restore whose history cannot keep the preset it would replace, newer than any version
  # kept, puts nothing back.
  mkdir shared
  for id in older newest; do
    echo "{\"chartId\": \"$id\"}" | "$preset" make - -o shared/save.set
  done
  chmod 777 shared
  chmod 666 shared/save.set
  chmod -R a+rX,a-w "$XDG_DATA_HOME"
  expect_code 1 setpriv --reuid=65534 --regid=65534 --clear-groups \
    "$work/zarq-preset" restore 1 shared/save.set
  chmod -R u+w "$XDG_DATA_HOME"
  grep -q "could not be kept in its history" err || fail "the refused restore says: $(cat err)"
  "$preset" dump shared/save.set | grep -q '"chartId": "newest"' || fail "restore lost the newest preset"
else
  echo "not root or no setpriv: the permission cases are not run"
fi
