#!/usr/bin/env bash
# zarq-preset writes presets as the editor does: the file is replaced whole, keeps its
# owner, and is written in place where the folder takes no new files; inputs that are no
# regular files end in a message, never in a wait.
. "$(dirname "$0")/lib.sh"
cd "$work"
echo '{}' >defaults.json
echo '{"songName": "就地"}' >song.json

if [ "$(id -u)" = 0 ] && command -v setpriv >/dev/null; then
  nobody() { setpriv --reuid=65534 --regid=65534 --clear-groups "$@"; }
  chmod 755 "$work"
  chmod 644 ./*.json
  mkdir locked
  expect_code 0 "$preset" make defaults.json -o locked/save.set
  chown 65534:65534 locked/save.set
  # Nobody may create files in the folder, but may write the file.
  expect_code 0 nobody "$preset" make song.json -o locked/save.set
  "$preset" dump locked/save.set | grep -q '"songName": "就地"' || fail "not written in place"
  [ "$(ls -A locked)" = save.set ] || fail "stray files: $(ls -A locked)"
  # A file nobody may write stays as it was.
  chown 0:0 locked/save.set
  expect_code 1 nobody "$preset" make defaults.json -o locked/save.set
  grep -q 'locked/save.set' err || fail "the refusal names no file: $(cat err)"
  "$preset" dump locked/save.set | grep -q '"songName": "就地"' || fail "the refused file changed"
  # Replaced by root, the file stays the user's.
  chown 65534:65534 locked/save.set
  expect_code 0 "$preset" make defaults.json -o locked/save.set
  [ "$(stat -c %u:%g locked/save.set)" = 65534:65534 ] || fail "owner lost: $(stat -c %u:%g locked/save.set)"
else
  echo "not root or no setpriv: the permission cases are not run"
fi
