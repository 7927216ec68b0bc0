# zarq-settings.exe under Wine edits as the Linux window does: Shift with the caret keys
# selects, Ctrl+X cuts and Ctrl+V pastes through the Windows clipboard, Ctrl+Z and Ctrl+Y
# undo and redo, one Ctrl+Z takes back a run of typed keys, Home moves to the start, and Left
# held down keeps moving. A paste from a clipboard owner that hangs fails with a message
# after a moment and pastes nothing.
. "$ZARQ_E2E/lib.sh"

start_editor
rest_pointer
keys ctrl+2
# The end of the song name "Zarq Radoziro".
click_at 420 145
type_text AB
keys shift+Left shift+Left ctrl+x
keys End ctrl+v ctrl+v
keys ctrl+z
keys ctrl+y ctrl+z
keys Home
type_text X
keys End
# Each key pressed and let go: still one step.
type_text QRS
keys ctrl+z
xdotool keydown Left
sleep 3.5
xdotool keyup Left
type_text Y

wine "$ZARQ_WINDOWS_BUILD/tests/silent_clipboard_owner.exe" &
owner=$!
for _ in $(seq 50); do
  wine "$ZARQ_WINDOWS_BUILD/tests/silent_clipboard_owner.exe" --owns 2>/dev/null && break
  sleep 0.2
done
keys ctrl+v
find_window "$ZARQ_TITLE - 粘贴" 10 >/dev/null || fail "a hung clipboard owner holds Ctrl+V"
kill -KILL "$owner"
answer_window "$ZARQ_TITLE - 粘贴" Return

# Closed by a key, which comes after the typed ones: a close box clicked at once may overtake
# keys the window has not read yet.
keys ctrl+q
wait_editor_exit 15
[ "$EDITOR_EXIT" = 0 ] || fail "closing the window ended the editor with exit code $EDITOR_EXIT"
"$ZARQ_PRESET" dump save.set >save.json || fail "the Linux build cannot read save.set"
/usr/bin/python3 - save.json <<'PY' || fail "the song name is not what the keys made of it"
import json, sys
name = json.load(open(sys.argv[1]))["songName"]
print(name)
assert name.replace("Y", "", 1) == "XZarq RadoziroAB", name
# Left held past the repeat delay moves on past its first step: Y lies three places back
# or more.
assert name.index("Y") <= len(name) - 4, name
PY
note "the Windows editor selects, cuts, pastes, undoes, redoes and repeats a held key"
