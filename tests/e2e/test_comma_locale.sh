# Under a locale whose decimal mark is a comma the window still writes "0.5": the recorder
# and every other reader of the preset expect a point.
. "$ZARQ_E2E/lib.sh"

mkdir locales
export LOCPATH=$PWD/locales
localedef -i de_DE -f UTF-8 "$PWD/locales/de_DE.UTF-8" >/dev/null 2>&1 ||
  [ -d locales/de_DE.UTF-8 ] || fail "localedef could not build de_DE.UTF-8"
[ "$(LC_ALL=de_DE.UTF-8 /usr/bin/printf '%.1f' 0.5)" = "0,5" ] ||
  fail "the comma locale is not in force"

LC_ALL=de_DE.UTF-8 start_editor
# The hit-sound volume's track runs from 507 to 657 at y 486: its middle, 582, is 0.5.
click_at 582 486
rest_pointer
close_editor
"$ZARQ_PRESET" dump save.set >saved.json
/usr/bin/python3 - saved.json <<'PY'
import json, sys
saved = json.load(open(sys.argv[1]))
assert saved["hitSoundVolume"] == "0.5", saved["hitSoundVolume"]
for name in ("musicVolume", "resultVolume"):
    assert saved[name] == "0.8", (name, saved[name])
PY
note "numbers keep their point under a comma locale"
