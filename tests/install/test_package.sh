#!/usr/bin/env bash
# The Debian package CPack makes: it depends on what the programs need, installs with dpkg
# into a scratch root, and zarq-preset runs from there.
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

root="$work/root"
mkdir -p "$root/var/lib/dpkg/info" "$root/var/lib/dpkg/updates"
: >"$root/var/lib/dpkg/status"
# The scratch root has none of the libraries; the host's serve to run the program.
dpkg --root="$root" --force-depends --force-not-root --force-script-chrootless \
  --log=/dev/null -i "$deb" >"$work/dpkg.log" 2>&1 || fail "dpkg -i: $(cat "$work/dpkg.log")"
dpkg --root="$root" -s zarq-settings | grep -q "^Status: install ok installed" ||
  fail "dpkg does not know the package as installed"
[ -f "$root/usr/share/applications/org.zarqradoziro.Settings.desktop" ] || fail "no desktop entry"
"$root/usr/bin/zarq-preset" --version | grep -q "^zarq-preset " || fail "the installed zarq-preset"
echo ok
