# What a screen reader finds in the window, read over a real accessibility bus: every page's
# controls by name with role, value and states (screen_reader_pages.txt); a click into a
# field and Tab (to a check box) raise focus events, a typed character a text event, a ticked
# box and a slider their changes, a warning appearing is shown, a page turn puts another page
# in and the focus on its first field; a screen reader's "click" on a check box ticks it, its
# focus, typing and value reach a box, a field and a slider.
. "$ZARQ_E2E/lib.sh"

# The accessibility bus lives on a session bus of the test's own.
if [ -z "${ZARQ_SESSION_BUS:-}" ]; then
  export ZARQ_SESSION_BUS=1
  exec dbus-run-session -- bash -euo pipefail "$0"
fi
tree() { /usr/bin/python3 "$ZARQ_E2E/accessible_tree.py" "$@"; }

start_accessibility_bus

start_editor
rest_pointer
expected="$ZARQ_E2E/screen_reader_pages.txt"
for page in 1 2 3 4 5 6; do
  keys "ctrl+$page"
  sleep 0.3
  tree dump >>pages.txt
done
diff -u "$expected" pages.txt || fail "the pages read otherwise than screen_reader_pages.txt"

# Events: watched while the keys and clicks happen, from nothing focused.
keys ctrl+1 Escape
sleep 0.3
tree watch 8 >events.txt &
watcher=$!
for _ in $(seq 50); do
  grep -x ready events.txt >/dev/null && break
  sleep 0.1
done
click_at 472 182
keys End
type_text 7
# The page reads by column: the chart ID, then the boxes.
keys Tab Tab Tab
click_at 392 265
click_at 657 346
sleep 0.3
keys ctrl+2
wait "$watcher"

expect_event() {
  grep -F -- "$1" events.txt >/dev/null || fail "no event \"$1\" (events.txt: $(cat events.txt))"
}
expect_event "object:state-changed:focused | entry | 谱面ID | 1"
expect_event "object:text-changed:insert:system | entry | 谱面ID | 8 | 7"
expect_event "object:text-caret-moved | entry | 谱面ID | 9"
expect_event "object:state-changed:focused | entry | 谱面ID | 0"
expect_event "object:state-changed:focused | check box | 开场 | 1"
expect_event "object:state-changed:checked | check box | 开场 | 0"
expect_event "object:property-change:accessible-value | slider | 背景暗化"
expect_event "object:state-changed:showing | notification | 警告：255会导致谱面背景全黑！"
expect_event "object:children-changed:add | panel |"
expect_event "object:state-changed:focused | entry | 曲名 | 1"

# A screen reader's click ticks the box again.
keys ctrl+1
sleep 0.3
tree press 开场 "check box"
sleep 0.5
tree dump | grep -Fx "check box | 开场 |  | checked" >/dev/null || fail "the screen reader's click did not tick 开场"
# It moves the focus to a box, types into a field as the keyboard would (capitals in a
# suffix) and sets a slider, whose field follows.
tree focus 结算 "check box"
sleep 0.5
tree dump | grep -Fx "check box | 结算 |  | focused,checked" >/dev/null || fail "the focus did not reach 结算"
tree set 曲绘 entry jpg
tree set 背景模糊 slider 30
sleep 0.5
tree dump >driven.txt
for line in "entry | 曲绘 | JPG | focused,invalid" "entry | 背景模糊 | 30 | "; do
  grep -F -- "$line" driven.txt >/dev/null || fail "no \"$line\" after the screen reader's edits: $(cat driven.txt)"
done
close_window "$EDITOR_WID"
wait_editor_exit
