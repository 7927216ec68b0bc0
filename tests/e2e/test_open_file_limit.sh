# Too few files allowed open at once (ulimit -n) for GTK's dialogs, which abort the process
# when they cannot load their icons: the editor says so and does not start. A low soft limit
# alone is raised, and the folder chooser opens. Started with its standard streams closed, the
# editor keeps their numbers from the files it opens, which GTK's warnings would write into.
. "$ZARQ_E2E/lib.sh"

limited_editor() {
  printf '#!/bin/sh\nulimit %s 14\nexec "%s" "$@"\n' "$1" "$ZARQ_EDITOR" >../limited
  chmod +x ../limited
}

limited_editor -n
ZARQ_EDITOR=../limited launch_editor
wait_editor_exit 10
[ "$EDITOR_EXIT" = 1 ] || fail "a hard limit of 14 open files: exit $EDITOR_EXIT"
grep -q "at least 20 files must be open at once" "$ZARQ_E2E_LOGS/editor.log" ||
  fail "the limit was not told: $(cat "$ZARQ_E2E_LOGS/editor.log")"
[ ! -e save.set ] || fail "the refused start wrote save.set"
note "a hard limit too low is told"

limited_editor -Sn
ZARQ_EDITOR=../limited start_editor
type_into_chart_id kept
keys ctrl+shift+o
answer_window "打开 Zarq 谱面文件夹" Escape
close_editor
"$ZARQ_PRESET" dump --fields chartId save.set | grep -q '"kept"' || fail "the form was not saved"
note "a low soft limit is raised"

printf '#!/bin/sh\nexec "%s" "$@" <&- >&- 2>&-\n' "$ZARQ_EDITOR" >../closed
chmod +x ../closed
ZARQ_EDITOR=../closed start_editor
for stream in 0 1 2; do
  [ "$(readlink "/proc/$EDITOR_PID/fd/$stream")" = /dev/null ] ||
    fail "closed stream $stream became $(readlink "/proc/$EDITOR_PID/fd/$stream")"
done
close_editor
note "closed standard streams stay closed"
