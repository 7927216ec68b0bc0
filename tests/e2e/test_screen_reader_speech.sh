# What a blind user hears: Orca runs over the window on an accessibility bus of the test's own
# and writes every utterance to its debug log (no speech synthesiser needed). Tab says a
# field's value, selected; coming back to a field in error says the error; a page turn says
# the page's title and puts the focus on its first field; Space on an option says it ticked;
# an arrow on the obtained-type selector says the new type; the focus coming back from a
# message box is heard on the control it left; Escape leaves the focus on the page.
. "$ZARQ_E2E/lib.sh"

if [ -z "${ZARQ_SESSION_BUS:-}" ]; then
  export ZARQ_SESSION_BUS=1
  exec dbus-run-session -- bash -euo pipefail "$0"
fi
command -v orca >/dev/null || fail "no orca (scripts/deps.sh installs it)"

start_accessibility_bus

start_editor
rest_pointer

# Orca stops at once, or stops the other, when it finds another Orca of the same user: an
# empty pgrep keeps it blind to those of tests running beside this one. Its log is written
# line by line, so that what it said is there as soon as it is said.
mkdir -p orca-bin orca-prefs
printf '#!/bin/sh\nexit 1\n' >orca-bin/pgrep
chmod +x orca-bin/pgrep
log="$ZARQ_E2E_LOGS/orca.log"
PATH="$PWD/orca-bin:$PATH" /usr/bin/python3 -c '
import builtins, runpy, sys
block = builtins.open
def lines(file, mode="r", buffering=-1, *rest, **named):
    if buffering == -1 and "b" not in mode:
        buffering = 1
    return block(file, mode, buffering, *rest, **named)
builtins.open = lines
sys.argv[0] = "orca"
runpy.run_path("/usr/bin/orca", run_name="__main__")' -u "$PWD/orca-prefs" --debug-file "$log" \
  >"$ZARQ_E2E_LOGS/orca.out" 2>&1 &
echo $! >>"$ZARQ_E2E_LOGS/pids"

# The utterances since the last keys, one per line (the first line of one that runs on).
heard=0
spoken() {
  tail -n "+$((heard + 1))" "$log" 2>/dev/null |
    sed -n -e "s/^.*SPEECH OUTPUT: '\(.*\)'{'established.*$/\1/p;t" -e "s/^.*SPEECH OUTPUT: '//p"
}
# Sends keys and waits up to ten seconds until Orca has said every text given, each a whole
# utterance, in that order; Orca's log may trail a step behind the keys.
after() {
  local keys=$1
  shift
  heard=$(wc -l <"$log")
  # shellcheck disable=SC2086
  keys $keys
  eventually 10 said_in_order "$@" || fail "after $keys Orca did not say: $* (it said: $(spoken))"
}
said_in_order() {
  local said line=0 at
  said=$(spoken)
  for text in "$@"; do
    at=$(printf '%s\n' "$said" | tail -n "+$((line + 1))" | grep -n -F -x -- "$text" | head -n1 |
      cut -d: -f1) || return 1
    [ -n "$at" ] || return 1
    line=$((line + at))
  done
}

eventually 10 grep -qs "SPEECH OUTPUT: 'Screen reader on." "$log" || fail "Orca did not start: $(cat "$ZARQ_E2E_LOGS/orca.out")"
# Nothing focused yet: the page holds the keyboard, and is heard again when a message box
# gives it back.
after "F1" "alert Zarq Radoziro 设置填写器 - Zarq Radoziro 设置填写器."
after "Escape" "Zarq Radoziro 设置填写器，3 个错误 panel."
after "ctrl+1" "谱面ID entry 20220924 selected."
after "Tab" "开场 check box checked."
after "shift+Tab" "谱面ID entry 20220924 selected." "invalid entry." "错误：未找到 20220924.json！"
after "ctrl+2" "开场动画设置 panel." "曲名 entry Zarq Radoziro selected."
after "ctrl+5 Tab Tab Tab Tab" "谱面镜像 X check box not checked."
after "space" "checked"
after "Right" "谱面镜像 Y check box not checked."
after "ctrl+4 Tab Tab Tab Tab Tab Tab" "已获得框 combo box." "无."
after "Down" "Data."
after "Up" "无."
# A message box closed with Escape gives the keyboard back to the control it explained.
after "F1" "alert Zarq Radoziro 设置填写器 - 已获得框."
after "Escape" "已获得框 combo box."
# Escape lets go of the focus: the page holds it, and the next Tab is heard on the first field.
after "Escape" "结算动画设置，1 个错误 panel."
after "Tab" "头像 entry 头像.png selected."
close_editor
