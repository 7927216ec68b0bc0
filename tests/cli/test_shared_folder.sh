#!/usr/bin/env bash
# A folder another user may write in: root replaces the user's preset there while that user
# swaps the finished temporary file for a link to a file of root's. Owner and mode are given
# to the open file before it is closed, so the link's target keeps its own whatever the swap
# meets; no call that changes an owner or a mode by name is made at all.
. "$(dirname "$0")/lib.sh"
if [ "$(id -u)" != 0 ]; then
  echo "not root: not run"
  exit 0
fi
# scripts/deps.sh installs them: without them the race would pass unseen.
for tool in setpriv strace inotifywait; do
  command -v "$tool" >/dev/null || fail "$tool is missing (scripts/deps.sh installs it)"
done
cd "$work"
chmod 755 "$work"
echo '{}' >defaults.json
echo '{"songName": "换掉"}' >song.json
printf 'root only' >victim
chmod 600 victim
mkdir -m 777 shared watch
"$preset" make defaults.json -o shared/save.set
chown 65534:65534 shared/save.set
chmod 666 shared/save.set

# Nothing by name: the owner and the mode are set on the descriptor.
strace -f -qq -o calls -e trace=chown,lchown,fchownat,chmod,fchmodat,fchown,fchmod \
  "$preset" make song.json -o shared/save.set
! grep -E '^[0-9]+ +(chown|lchown|fchownat|chmod|fchmodat)\(' calls ||
  fail "owner or mode changed by name: $(grep -E 'chown|chmod' calls)"
grep -qE 'fchown\([0-9]+, 65534, 65534\)' calls || fail "the owner is not kept: $(cat calls)"

# The attacker swaps each temporary file for a link as soon as it is closed; every call by
# name after that is held back, so that the swap always lands in the gap.
setsid setpriv --reuid=65534 --regid=65534 --clear-groups bash -c '
  inotifywait -m -e close_write --format %f shared 2>watch/established | while read -r name; do
    case "$name" in .zarq-*.tmp) ln -s "$PWD/victim" shared/.link && mv -f shared/.link "shared/$name" && echo "$name" >>watch/swapped ;; esac
  done' &
attacker=$!
trap 'kill -- -$attacker 2>/dev/null; rm -rf "$work"' EXIT
for _ in $(seq 50); do grep -q "Watches established" watch/established 2>/dev/null && break; sleep 0.1; done
for round in 1 2 3; do
  set +e
  strace -f -qq -o /dev/null \
    -e inject=chown,lchown,fchownat,chmod,fchmodat,rename,renameat,renameat2:delay_enter=300000 \
    "$preset" make song.json -o shared/save.set >out 2>err
  code=$?
  set -e
  [ "$code" -le 1 ] || fail "round $round: exit $code: $(cat err)"
  [ "$(stat -c %u:%g:%a victim)" = 0:0:600 ] ||
    fail "round $round: the link's target was given away: $(stat -c %u:%g:%a victim)"
  [ "$(cat victim)" = 'root only' ] || fail "round $round: the link's target was written"
done
[ -s watch/swapped ] || fail "the attacker never swapped a file: the race was not run"
