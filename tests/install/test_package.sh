#!/usr/bin/env bash
# The Debian package CPack makes: it depends on what the programs need, describes itself in
# Debian's format, carries its copyright and compressed man pages, installs with dpkg into
# a scratch root, and zarq-preset runs from there.
#   test_package.sh BUILD_DIR
set -euo pipefail
build=$1
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

(cd "$work" && cpack -G DEB --config "$build/CPackConfig.cmake" -B "$work/out" >cpack.log 2>&1) ||
  fail "cpack: $(tail -n 20 "$work/cpack.log")"
debs=("$work"/out/zarq-settings_*.deb)
[ ${#debs[@]} = 1 ] && [ -f "${debs[0]}" ] || fail "no zarq-settings_*.deb: $(ls "$work/out")"
deb=${debs[0]}

depends=$(dpkg-deb -f "$deb" Depends)
for needed in libgtk-3-0 libcanberra-gtk3-0 fonts-noto-cjk; do
  grep -q "$needed" <<<"$depends" || fail "the package does not depend on $needed: $depends"
done

# The long description: lines of one space and text, no list separators, a summary first.
description=$(dpkg-deb -f "$deb" Description)
[ "$(head -n1 <<<"$description")" = "settings editor of the Zarq Radoziro chart-video recorder" ] ||
  fail "the summary is: $(head -n1 <<<"$description")"
tail -n +2 <<<"$description" | grep -vqE '^ (\.|[^ ].{0,78})$' &&
  fail "a description line is not in Debian's format: $(tail -n +2 <<<"$description" | grep -vE '^ (\.|[^ ].{0,78})$')"
grep -q ';' <<<"$description" && fail "stray separators in the description: $description"
[ "$(sed -n 2p <<<"$description")" = " A chart author fills in one form that tells the recorder how to turn a chart" ] ||
  fail "the long description does not start with the form: $description"
[ -n "$(dpkg-deb -f "$deb" Homepage)" ] || fail "the package names no homepage"

contents=$(dpkg-deb -c "$deb" | awk '{print $6}')
for f in ./usr/share/doc/zarq-settings/copyright ./usr/share/man/man1/zarq-settings.1.gz \
  ./usr/share/man/man1/zarq-preset.1.gz ./usr/share/mime/packages/org.zarqradoziro.Settings.xml \
  ./usr/share/bash-completion/completions/zarq-preset; do
  grep -qx "$f" <<<"$contents" || fail "the package lacks $f"
done
grep -E '^\./usr/share/man/.*[^z]$' <<<"$contents" | grep -v '/$' && fail "uncompressed man pages"

root="$work/root"
mkdir -p "$root/var/lib/dpkg/info" "$root/var/lib/dpkg/updates"
: >"$root/var/lib/dpkg/status"
# The scratch root has none of the libraries; the host's serve to run the program.
dpkg --root="$root" --force-depends --force-not-root --force-script-chrootless \
  --log=/dev/null -i "$deb" >"$work/dpkg.log" 2>&1 || fail "dpkg -i: $(cat "$work/dpkg.log")"
dpkg --root="$root" -s zarq-settings | grep "^Status: install ok installed" >/dev/null ||
  fail "dpkg does not know the package as installed"
[ -f "$root/usr/share/applications/org.zarqradoziro.Settings.desktop" ] || fail "no desktop entry"
"$root/usr/bin/zarq-preset" --version | grep "^zarq-preset " >/dev/null || fail "the installed zarq-preset"
echo ok
