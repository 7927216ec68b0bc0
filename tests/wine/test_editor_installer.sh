# The Windows downloads under Wine, in a Wine prefix of its own. The portable zip holds both
# programs and its editor works in the folder it is unpacked to, wherever it is started
# from. `msiexec /i` installs it quietly for the user, with the programs, the Start-menu
# shortcut, the .set association with the editor's icon and an uninstaller entry with the
# version; the shortcut, and the installed editor started without a folder, start it in the
# folder it worked in last; a preset opens with it; `msiexec /x` takes all of it away again. Wine's shell does not read the user's own file associations
# (HKCU\Software\Classes), so the preset is opened with the command the association
# registers, as Explorer runs it.
. "$ZARQ_E2E/lib.sh"

msi=$(ls "$ZARQ_WINDOWS_BUILD"/zarq-settings-*.msi 2>/dev/null | head -n1) || true
if [ -z "$msi" ]; then
  echo "skipped: no installer in $ZARQ_WINDOWS_BUILD (wixl could not be installed)"
  exit 77
fi
version=$(basename "$msi" .msi)
version=${version#zarq-settings-}
export WINEPREFIX
WINEPREFIX="$(dirname "$ZARQ_E2E_LOGS")/wine-prefix"
trap 'wineserver -k 2>/dev/null || true' EXIT
"$ZARQ_E2E/../wine/make_prefix.sh"
# A Wine server belongs to the display it started on: the editor needs one on this display.
wineserver -k 2>/dev/null || true

# The folders of the Wine user, as Windows paths.
folder_of() { wine cmd /c "echo %$1%" | tr -d '\r'; }
# The default value of a registry key, or nothing when there is no such key.
default_of() { wine reg query "$1" /ve 2>/dev/null | tr -d '\r' | sed -n 's/^ *(Default) *REG_SZ *//p'; }
appdata=$(winepath -u "$(folder_of APPDATA)")
editor_folder="$(folder_of LOCALAPPDATA)\Programs\Zarq Radoziro Settings"
installed=$(winepath -u "$editor_folder")
shortcut_path="$(folder_of APPDATA)\Microsoft\Windows\Start Menu\Programs\Zarq Radoziro Settings.lnk"
shortcut=$(winepath -u "$shortcut_path")
classes='HKCU\Software\Classes'

note "the portable zip"
zip="${msi%.msi}-windows.zip"
mkdir recorder
(cd recorder && unzip -q "$zip")
[ "$(cd recorder && ls | sort | tr '\n' ' ')" = \
  "zarq-preset.exe zarq-settings-LICENSE.txt zarq-settings-README.txt zarq-settings.exe " ] ||
  fail "the zip holds: $(ls recorder)"
wine recorder/zarq-preset.exe --version | grep "^zarq-preset $version" >/dev/null || fail "zarq-preset.exe --version"
# Started from another folder (a shortcut's, a console's), it still works beside itself.
wine recorder/zarq-settings.exe >>"$ZARQ_E2E_LOGS/editor.log" 2>&1 &
EDITOR_PID=$!
take_editor_window "$(editor_title recorder)"
close_window "$EDITOR_WID"
wait_editor_exit 15
[ -f recorder/save.set ] && [ ! -e save.set ] || fail "the portable editor did not save beside itself"

note "msiexec /i"
wine msiexec /i "$(winepath -w "$msi")" /qn || fail "msiexec /i failed"
for file in zarq-settings.exe zarq-preset.exe zarq-settings-README.txt zarq-settings-LICENSE.txt; do
  [ -f "$installed/$file" ] || fail "$file was not installed: $(ls "$installed" 2>&1)"
done
[ -f "$shortcut" ] || fail "no Start-menu shortcut"
[ "$(default_of "$classes\\.set")" = ZarqRadoziro.Preset ] || fail ".set is not associated"
editor="$editor_folder\\zarq-settings.exe"
command=$(default_of "$classes\\ZarqRadoziro.Preset\\shell\\open\\command")
[ "$command" = "\"$editor\" --last-folder \"%1\"" ] || fail "presets open with: $command"
[ "$(default_of "$classes\\ZarqRadoziro.Preset\\DefaultIcon")" = "\"$editor\",0" ] ||
  fail "presets have no icon"
entry=$(wine uninstaller --list | tr -d '\r' | grep '|Zarq Radoziro Settings$') ||
  fail "no uninstaller entry: $(wine uninstaller --list)"
product=${entry%%|*}
# The entry as the first install left it: once, a query after the second install found
# no version in it.
listed=$(wine reg query "HKLM\\Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\$product" \
  /v DisplayVersion | tr -d '\r')
grep "REG_SZ *$version\$" <<<"$listed" >/dev/null || fail "the entry has no version $version: $listed"
wine msiexec /i "$(winepath -w "$msi")" /qn || fail "installing the same installer again failed"
[ "$(wine uninstaller --list | grep -c '|Zarq Radoziro Settings')" = 1 ] ||
  fail "installed twice: $(wine uninstaller --list)"

note "the shortcut starts the editor in the folder it worked in last"
mkdir rec
mkdir -p "$appdata/zarq-settings"
printf '%s\n' "$(winepath -w "$PWD/rec")" >"$appdata/zarq-settings/last-folder"
wine start /wait "$shortcut_path" >>"$ZARQ_E2E_LOGS/editor.log" 2>&1 &
EDITOR_PID=$!
take_editor_window "$(editor_title rec)"
close_window "$EDITOR_WID"
window_gone "$(editor_title rec)" 15 || fail "the window did not close"
wait_editor_exit 15
# The editor itself may outlive `start /wait` by the moment its save takes.
eventually 5 test -f rec/save.set || fail "the editor started by the shortcut saved no rec/save.set"
# Without a folder, from its own folder, it goes there too and leaves its own folder alone.
(cd "$installed" && exec wine zarq-settings.exe) >>"$ZARQ_E2E_LOGS/editor.log" 2>&1 &
EDITOR_PID=$!
take_editor_window "$(editor_title rec)"
close_window "$EDITOR_WID"
wait_editor_exit 15
[ ! -e "$installed/save.set" ] || fail "the installed editor worked in its own folder"

note "a preset opens with the installed editor"
echo '{"chartId": "opened-id"}' >opened.json
"$ZARQ_PRESET" make opened.json -o opened.set
mapfile -t open_command < <(/usr/bin/python3 -c 'import shlex, sys; print("\n".join(shlex.split(sys.argv[1])))' \
  "${command//%1/$(winepath -w "$PWD/opened.set")}")
wine "${open_command[@]}" >>"$ZARQ_E2E_LOGS/editor.log" 2>&1 &
EDITOR_PID=$!
take_editor_window "$(editor_title rec)"
answer_window "$ZARQ_TITLE - 加载预设" Return
close_window "$EDITOR_WID"
window_gone "$(editor_title rec)" 15 || fail "the window did not close"
wait_editor_exit 15
"$ZARQ_PRESET" dump rec/save.set | grep '"chartId": "opened-id"' >/dev/null || fail "the opened preset was not saved"

note "msiexec /x"
wine msiexec /x "$(winepath -w "$msi")" /qn || fail "msiexec /x failed"
[ ! -e "$installed" ] || fail "left behind: $(ls -R "$installed")"
[ ! -e "$shortcut" ] || fail "the shortcut is left"
for key in "$classes\\.set" "$classes\\ZarqRadoziro.Preset" 'HKCU\Software\Zarq Radoziro\Settings'; do
  wine reg query "$key" >/dev/null 2>&1 && fail "$key is left"
done
wine uninstaller --list | grep 'Zarq Radoziro' >/dev/null && fail "the uninstaller entry is left"
note "installed, started, opened a preset and uninstalled under Wine"
