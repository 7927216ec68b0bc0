#!/usr/bin/env bash
# `cmake --install` into a prefix of its own (with a space in it): both programs, the desktop
# entry, the icon in the hicolor theme, the AppStream data and both man pages, each valid.
#   test_install.sh BUILD_DIR
set -euo pipefail
build=$1
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

prefix="$work/a prefix"
cmake --install "$build" --prefix "$prefix" >"$work/install.log" || fail "$(cat "$work/install.log")"
id=org.zarqradoziro.Settings
for f in bin/zarq-settings bin/zarq-preset share/applications/$id.desktop \
  share/metainfo/$id.metainfo.xml share/icons/hicolor/scalable/apps/zarq-settings.svg \
  share/man/man1/zarq-settings.1 share/man/man1/zarq-preset.1; do
  [ -s "$prefix/$f" ] || fail "$f was not installed"
done

desktop-file-validate "$prefix/share/applications/$id.desktop" || fail "the desktop entry is not valid"
appstreamcli validate --no-net "$prefix/share/metainfo/$id.metainfo.xml" >"$work/as.log" 2>&1 ||
  fail "the AppStream data is not valid: $(cat "$work/as.log")"
grep -qx "Icon=zarq-settings" "$prefix/share/applications/$id.desktop" || fail "the entry names no icon"
grep -qx "Exec=zarq-settings" "$prefix/share/applications/$id.desktop" || fail "the entry runs nothing"
# The icon is an SVG that the desktop's loader can read.
[ "$(file -b --mime-type "$prefix/share/icons/hicolor/scalable/apps/zarq-settings.svg")" = image/svg+xml ] ||
  fail "the icon is not an SVG"

# The man pages: the programs' own help, and the sections it leaves out.
for program in zarq-settings zarq-preset; do
  page=$(MANWIDTH=100 man -l "$prefix/share/man/man1/$program.1" 2>/dev/null) ||
    fail "man cannot show $program.1"
  grep -q "^NAME" <<<"$page" || fail "$program.1 has no NAME"
  grep -q -- "--version" <<<"$page" || fail "$program.1 does not show the options"
done
MANWIDTH=100 man -l "$prefix/share/man/man1/zarq-settings.1" | grep -q "save.set" ||
  fail "zarq-settings.1 does not name the files it leaves"
MANWIDTH=100 man -l "$prefix/share/man/man1/zarq-preset.1" | grep -q "EXIT STATUS" ||
  fail "zarq-preset.1 has no exit status"

# The installed programs run from there, and the editor answers its command line without
# a display.
unset DISPLAY WAYLAND_DISPLAY
"$prefix/bin/zarq-preset" --version | grep -q "^zarq-preset " || fail "zarq-preset --version"
"$prefix/bin/zarq-settings" --version | grep -q "^zarq-settings " || fail "zarq-settings --version"
"$prefix/bin/zarq-settings" --help | grep -q "^Usage: zarq-settings" || fail "zarq-settings --help"
set +e
"$prefix/bin/zarq-settings" --bogus >"$work/out" 2>"$work/err"
code=$?
set -e
[ "$code" = 2 ] || fail "zarq-settings --bogus exited $code, not 2"
[ "$(wc -l <"$work/err")" = 1 ] && [ ! -s "$work/out" ] || fail "not one line: $(cat "$work/err")"
grep -qF "zarq-settings: unknown option '--bogus'" "$work/err" || fail "$(cat "$work/err")"
echo ok
