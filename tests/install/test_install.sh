#!/usr/bin/env bash
# `cmake --install` into a prefix of its own (with a space in it): both programs, the desktop
# entry, the icon in the hicolor theme, the AppStream data, the preset file type, the
# copyright and both man pages (compressed), each valid; the desktop then knows a preset by
# its contents and opens it with the editor.
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
  share/mime/packages/$id.xml share/doc/zarq-settings/copyright \
  share/man/man1/zarq-settings.1.gz share/man/man1/zarq-preset.1.gz \
  share/bash-completion/completions/zarq-preset; do
  [ -s "$prefix/$f" ] || fail "$f was not installed"
done

desktop-file-validate "$prefix/share/applications/$id.desktop" || fail "the desktop entry is not valid"
appstreamcli validate --no-net "$prefix/share/metainfo/$id.metainfo.xml" >"$work/as.log" 2>&1 ||
  fail "the AppStream data is not valid: $(cat "$work/as.log")"
entry="$prefix/share/applications/$id.desktop"
grep -qx "Icon=zarq-settings" "$entry" || fail "the entry names no icon"
# A start from the menu or a file manager works in the folder used last, not in the home
# folder the launcher starts it in; the editor is named where it was installed, quoted for
# the space in the prefix.
grep -qxF "Exec=\"$prefix/bin/zarq-settings\" --last-folder %f" "$entry" ||
  fail "the entry runs $(grep ^Exec= "$entry")"
grep -qx "MimeType=application/x-zarq-preset;" "$entry" || fail "the entry opens no presets"
grep -q "<url type=\"homepage\">https://" "$prefix/share/metainfo/$id.metainfo.xml" ||
  fail "the AppStream data names no project page"
# The icon is an SVG that the desktop's loader can read.
[ "$(file -b --mime-type "$prefix/share/icons/hicolor/scalable/apps/zarq-settings.svg")" = image/svg+xml ] ||
  fail "the icon is not an SVG"

# The preset type, as the desktop sees it through the installed data alone, the prefix's
# programs off PATH: a preset is known by its contents whatever its name, a file named .set
# is no preset for its name, and presets open with the editor (an entry whose program is not
# found would be passed over).
desktop_env=(env "PATH=/usr/bin:/bin" "XDG_DATA_HOME=$work/no-data"
  "XDG_DATA_DIRS=$prefix/share:/usr/share")
echo '{}' >"$work/empty.json"
"$prefix/bin/zarq-preset" make "$work/empty.json" -o "$work/preset.set"
cp "$work/preset.set" "$work/renamed.bin"
echo "not a preset" >"$work/notes.set"
head -c 26153 /dev/zero >"$work/zeros.set"
for case in preset.set:application/x-zarq-preset renamed.bin:application/x-zarq-preset \
  notes.set:application/octet-stream zeros.set:application/octet-stream; do
  type=$("${desktop_env[@]}" gio info -a standard::content-type "$work/${case%%:*}" |
    sed -n 's/^ *standard::content-type: //p')
  [ "$type" = "${case#*:}" ] || fail "${case%%:*} is taken for $type, not ${case#*:}"
done
"${desktop_env[@]}" gio mime application/x-zarq-preset | grep "^Default application.*: $id.desktop" >/dev/null ||
  fail "presets do not open with the editor: $("${desktop_env[@]}" gio mime application/x-zarq-preset)"

# The man pages: the programs' own help, and the sections it leaves out.
for program in zarq-settings zarq-preset; do
  page=$(MANWIDTH=100 man -l "$prefix/share/man/man1/$program.1.gz" 2>/dev/null) ||
    fail "man cannot show $program.1.gz"
  grep -q "^NAME" <<<"$page" || fail "$program.1 has no NAME"
  grep -q -- "--version" <<<"$page" || fail "$program.1 does not show the options"
done
page=$(MANWIDTH=100 man -l "$prefix/share/man/man1/zarq-settings.1.gz" 2>/dev/null)
for file in save.set zarq-settings/last-folder zarq-settings/zoom; do
  grep -qF "$file" <<<"$page" || fail "zarq-settings.1 does not name $file"
done
MANWIDTH=100 man -l "$prefix/share/man/man1/zarq-preset.1.gz" | grep "EXIT STATUS" >/dev/null ||
  fail "zarq-preset.1 has no exit status"
# Each command with its options and examples.
page=$(MANWIDTH=100 man -l "$prefix/share/man/man1/zarq-preset.1.gz" 2>/dev/null)
for command in render dump make check import; do
  grep -q "^   Options of $command:" <<<"$page" || fail "zarq-preset.1 lists no options of $command"
  grep -q "^ *\$ zarq-preset $command " <<<"$page" || fail "zarq-preset.1 has no example of $command"
done
grep -q -- "--output=OUT.png" <<<"$page" || fail "zarq-preset.1 lacks render's --output"

# bash-completion finds the completion where it was installed, as when zarq-preset is first
# typed, and it completes the program's commands.
completed=$(PATH="$prefix/bin:$PATH" XDG_DATA_DIRS="$prefix/share" bash -c '
  . /usr/share/bash-completion/bash_completion
  __load_completion zarq-preset || exit 1
  COMP_LINE="zarq-preset d" COMP_POINT=13
  $(complete -p zarq-preset | sed -n "s/.* -F \([^ ]*\) .*/\1/p") zarq-preset d zarq-preset
  echo "${COMPREPLY[*]}"') || fail "bash-completion does not find the installed completion"
[ "$completed" = dump ] || fail "zarq-preset d<TAB> offers '$completed'"

# The installed programs run from there, and the editor answers its command line without
# a display.
unset DISPLAY WAYLAND_DISPLAY
"$prefix/bin/zarq-preset" --version | grep "^zarq-preset " >/dev/null || fail "zarq-preset --version"
"$prefix/bin/zarq-settings" --version | grep "^zarq-settings " >/dev/null || fail "zarq-settings --version"
"$prefix/bin/zarq-settings" --help | grep "^Usage: zarq-settings" >/dev/null || fail "zarq-settings --help"
set +e
"$prefix/bin/zarq-settings" --bogus >"$work/out" 2>"$work/err"
code=$?
set -e
[ "$code" = 2 ] || fail "zarq-settings --bogus exited $code, not 2"
[ "$(wc -l <"$work/err")" = 1 ] && [ ! -s "$work/out" ] || fail "not one line: $(cat "$work/err")"
grep -qF "zarq-settings: unknown option '--bogus'" "$work/err" || fail "$(cat "$work/err")"
echo ok
