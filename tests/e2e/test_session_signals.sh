# Ctrl+C, a kill and a hang-up end the session as closing the window does: what was typed is
# in save.set, and the exit status names the signal. A dialog open at the time is closed
# first, as if cancelled.
. "$ZARQ_E2E/lib.sh"

# The last case has the save dialog open when the signal comes.
for case in "TERM 143" "INT 130" "HUP 129" "TERM 143 dialog"; do
  read -r signal status dialog <<<"$case"
  rm -f save.set
  start_editor
  rest_pointer
  # Into the chart ID, still being edited when the signal comes.
  type_into_chart_id "sig$signal"
  # A signal overtakes keys the window has not read yet.
  input_handled
  if [ -n "$dialog" ]; then
    keys ctrl+s
    find_window "另存为" 10 >/dev/null || fail "Ctrl+S opened no save dialog"
  fi
  kill "-$signal" "$EDITOR_PID"
  wait_editor_exit 10
  [ "$EDITOR_EXIT" = "$status" ] || fail "SIG$signal $dialog: exit status $EDITOR_EXIT, not $status"
  [ "$(chart_id_of save.set)" = "sig$signal" ] || fail "SIG$signal $dialog: not saved"
  [ "$(ls -- *.set)" = save.set ] || fail "the cancelled dialog saved a preset: $(ls -- *.set)"
done
note "SIGTERM, SIGINT and SIGHUP save the session before the editor ends"

# A closing terminal hangs up twice (itself and through the shell), and tools that stop a
# program signal it and its group: a hang-up or a kill coming again while the save runs (its
# flush held back here) does not cut it short; Ctrl+C pressed again does.
for case in "HUP 129" "TERM 143" "INT 4"; do
  read -r again status <<<"$case"
  rm -f save.set
  strace -f -qq -o /dev/null -e trace=fsync -e inject=fsync:delay_enter=1500000 \
    "$ZARQ_EDITOR" >>"$ZARQ_E2E_LOGS/editor.log" 2>&1 &
  EDITOR_PID=$!
  echo "$EDITOR_PID" >>"$ZARQ_E2E_LOGS/pids"
  take_editor_window "$(editor_title)"
  rest_pointer
  type_into_chart_id "twice"
  input_handled
  editor=$(pgrep -P "$EDITOR_PID")
  kill "-$again" "$editor"
  sleep 0.5
  kill "-$again" "$editor"
  wait_editor_exit 10
  [ "$EDITOR_EXIT" = "$status" ] || fail "SIG$again twice: exit status $EDITOR_EXIT, not $status"
  [ "$status" = 4 ] || [ "$(chart_id_of save.set)" = twice ] || fail "SIG$again twice: not saved"
  [ "$status" != 4 ] || grep -q "the form is lost" "$ZARQ_E2E_LOGS/editor.log" ||
    fail "the cut save was not told on stderr"
done
note "only Ctrl+C pressed again cuts the save short"

# A signal while the import copies a large music file: the copy stops, its temporary file
# removed, and the form is saved at once instead of after the copy.
big=$(big_chart_folder 1G)
# The saves cut short above left theirs, which only a start an hour later removes.
rm -f save.set .zarq-*.tmp
start_editor
rest_pointer
keys ctrl+shift+o
pick_in_chooser "打开 Zarq 谱面文件夹" "$big"
for _ in $(seq 200); do [ -n "$(find . -name '.zarq-*.tmp' -size +1M)" ] && break; sleep 0.05; done
[ -n "$(find . -name '.zarq-*.tmp')" ] || fail "no copy of the music was seen under way"
kill -TERM "$EDITOR_PID"
wait_editor_exit 3
[ "$EDITOR_EXIT" = 143 ] || fail "SIGTERM during the copy: exit status $EDITOR_EXIT after 3 s"
[ -z "$(find . -name '.zarq-*.tmp')" ] || fail "the stopped copy left its temporary file"
[ ! -e big.WAV ] || fail "the copy went on to its end: $(stat -c %s big.WAV) bytes"
[ "$(chart_id_of save.set)" = big ] || fail "the form was not saved after the stopped copy"
note "a signal during a copy stops it and saves at once"
