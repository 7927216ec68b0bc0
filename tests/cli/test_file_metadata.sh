#!/usr/bin/env bash
# A preset rewritten keeps what else the user set on it: its ACL (the mask included, which a
# new mode would reset), its extended attributes, and its other names, which all see the new
# content.
. "$(dirname "$0")/lib.sh"
# scripts/deps.sh installs them: without them nothing here would be set to be kept.
for tool in setfacl getfacl setfattr getfattr; do
  command -v "$tool" >/dev/null || fail "$tool is missing (scripts/deps.sh installs it)"
done
cd "$work"
echo '{}' >defaults.json
echo '{"songName": "元数据"}' >song.json
"$preset" make defaults.json -o acl.set
chmod 600 acl.set
setfacl -m u:65534:rw acl.set
setfattr -n user.zarq.note -v kept acl.set
getfacl -c acl.set >acl.before
grep -qx 'group::---' acl.before || fail "the ACL was not set: $(cat acl.before)"
"$preset" make defaults.json -o linked.set
ln linked.set other-name.set

for file in acl.set linked.set; do "$preset" make song.json -o "$file"; done
getfacl -c acl.set | cmp -s acl.before - || fail "the ACL changed: $(getfacl -c acl.set)"
[ "$(getfattr --only-values -n user.zarq.note acl.set)" = kept ] || fail "the extended attribute was lost"
[ "$(stat -c %h linked.set)" = 2 ] || fail "the hard link was broken"
"$preset" dump other-name.set | grep -q '"songName": "元数据"' || fail "the other name kept the old preset"
"$preset" history linked.set | grep -q '^1 ' || fail "the preset written in place was not kept in its history"
