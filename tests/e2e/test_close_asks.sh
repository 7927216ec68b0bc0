# The close asks rather than write where the user would lose something: the editor's folder
# gone under it (a USB stick, a tmpfs here, unmounted while the window is open; a folder
# renamed away with a new one made at its path), or save.set written by zarq-preset beside the
# open editor. Nothing is written into the empty mountpoint or the new folder, and the
# other program's save.set is replaced only when the user says so.
. "$ZARQ_E2E/lib.sh"

[ "$(id -u)" = 0 ] || { note "skipped: mounting a tmpfs takes root"; exit 77; }
work=$(pwd)
mkdir usb rec piped
mount -t tmpfs -o size=4m tmpfs usb || { note "skipped: no tmpfs may be mounted here"; exit 77; }
trap 'cd "$work" && { mountpoint -q usb && umount -l usb; true; }' EXIT

QUESTION="Zarq Radoziro 设置填写器 - 保存"

# Pulled out: "No" closes without saving, and nothing lands on the disk under the mountpoint.
cd usb
start_editor
rest_pointer
cd "$work"
umount -l usb
close_window "$EDITOR_WID"
screenshot "$(find_window "$QUESTION")" "$ZARQ_E2E_LOGS/stick-pulled.png"
answer_window "$QUESTION" Right Return
wait_editor_exit 10
# Closed without saving: the form is lost, which the exit status says (4).
[ "$EDITOR_EXIT" = 4 ] || fail "closed without saving: exit $EDITOR_EXIT"
[ -z "$(ls -A usb)" ] || fail "written into the empty mountpoint: $(ls -A usb)"
note "a pulled stick is not written through its mountpoint"

# Renamed away and made anew: "Yes" saves the form where the user says.
cd rec
start_editor
rest_pointer
keys ctrl+2
click_at 600 145
type_text " typed"
cd "$work"
mv rec rec-old
mkdir rec
close_window "$EDITOR_WID"
save_elsewhere_at_close "$work/rescued"
"$ZARQ_PRESET" dump rescued.set | grep -q '"songName": "Zarq Radoziro typed"' || fail "the form saved is not the one typed"
[ ! -e rec/save.set ] && [ ! -e rec-old/save.set ] || fail "a save.set was written unasked"
note "a folder renamed away is noticed, and the form saved where the user said"

# zarq-preset writes save.set beside the open editor, as the README pipes it: the close asks;
# "Cancel" goes back to the window, "Yes" replaces it.
cd piped
start_editor
rest_pointer
echo '{"chartId": "piped"}' | "$ZARQ_PRESET" make - -o save.set
close_window "$EDITOR_WID"
screenshot "$(find_window "$QUESTION")" "$ZARQ_E2E_LOGS/changed.png"
answer_window "$QUESTION" Escape
sleep 1
kill -0 "$EDITOR_PID" 2>/dev/null || fail "Cancel closed the editor"
"$ZARQ_PRESET" dump save.set | grep -q '"chartId": "piped"' || fail "Cancel replaced save.set"
close_window "$EDITOR_WID"
answer_window "$QUESTION" Return
wait_editor_exit 10
[ "$EDITOR_EXIT" = 0 ] || fail "replaced: exit $EDITOR_EXIT"
"$ZARQ_PRESET" dump save.set | grep -q '"chartId": "20220924"' || fail "Yes did not replace save.set"
note "save.set written beside the editor is replaced only when the user says so"
