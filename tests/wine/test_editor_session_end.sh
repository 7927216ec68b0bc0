# zarq-settings.exe under Wine: the Windows session ending (WM_QUERYENDSESSION and
# WM_ENDSESSION, as a logoff sends them, or WM_ENDSESSION alone, as a session killed from
# outside) while a dialog waits for the user saves what was typed, as a signal does on
# Linux: into "save.set" with the save dialog open, and into the fallback file when the
# question after a failed save is open.
. "$ZARQ_E2E/lib.sh"

end_session() { DISPLAY=$DISPLAY wineboot --end-session >"$ZARQ_E2E_LOGS/wineboot.log" 2>&1 || true; }

start_editor
rest_pointer
type_into_chart_id "ending"
keys ctrl+s
find_window "Save As" 15 >/dev/null || fail "Ctrl+S opened no save dialog"
end_session
wait_editor_exit 20
[ "$(chart_id_of save.set)" = ending ] || fail "with the save dialog open: not saved"
[ "$(ls -- *.set)" = save.set ] || fail "the dialog saved a preset: $(ls -- *.set)"
[ "$EDITOR_EXIT" = 0 ] || fail "with the save dialog open: exit $EDITOR_EXIT"

# The close's question after a failed save waits: the session's end saves elsewhere.
fallbacks="$WINEPREFIX/drive_c/users/$(id -un)/AppData/Local/zarq-settings"
rm -rf "$fallbacks"
chmod a-w save.set
before=$(md5sum <save.set)
start_editor
rest_pointer
type_into_chart_id "asked"
# Closed by a key: Wine's close box sends WM_CLOSE, which overtakes keys not yet read.
keys ctrl+q
find_window "$ZARQ_TITLE - 保存" 15 >/dev/null || fail "the failed save asked nothing"
end_session
wait_editor_exit 20
[ "$EDITOR_EXIT" != running ] || fail "the editor outlived the session"
[ "$EDITOR_EXIT" = 3 ] || fail "saved to the fallback file: exit $EDITOR_EXIT, not 3"
[ "$(md5sum <save.set)" = "$before" ] || fail "the read-only save.set was written"
kept=("$fallbacks"/save-*.set)
[ -f "${kept[0]}" ] || fail "no fallback file in $fallbacks: $(ls -R "$WINEPREFIX/drive_c/users" | head -40)"
got=$(chart_id_of "${kept[0]}"); [ "$got" = asked ] || fail "the fallback file lacks what was typed: $got, $(cat "$ZARQ_E2E_LOGS/editor.log")"
note "the session's end saves with a dialog or the close's question open"

# WM_ENDSESSION with no query before it: saved all the same. The start names the fallback
# file first, since a Windows program shows nobody its standard error.
chmod u+w save.set
start_editor
find_window "$ZARQ_TITLE - 保存" 15 >/dev/null || fail "the start did not name the fallback file"
answer_window "$ZARQ_TITLE - 保存" Return
take_keyboard
rest_pointer
type_into_chart_id "unasked"
# The message is sent, and would overtake keys the window has not read yet.
expect_field unasked "the typed chart ID"
wine "$ZARQ_WINDOWS_BUILD/tests/end_session.exe" 2>>"$ZARQ_E2E_LOGS/wineboot.log" ||
  fail "end_session.exe found no editor window"
wait_editor_exit 20
[ "$EDITOR_EXIT" = 0 ] || fail "WM_ENDSESSION alone: exit $EDITOR_EXIT"
[ "$(chart_id_of save.set)" = unasked ] || fail "WM_ENDSESSION alone: not saved"
note "a WM_ENDSESSION with no query saves too"
