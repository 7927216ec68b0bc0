# What a screen reader finds in the window, read over a real accessibility bus: every page's
# controls by name with role, value and states (screen_reader_pages.txt); a click into a
# field and Tab (to a check box) raise focus events, a typed character a text event, a ticked
# box and a slider their changes, a warning appearing is shown, a page turn puts another page
# in and the focus on its first field; a screen reader's "click" on a check box ticks it, its
# focus, typing and value reach a box, a field and a slider, an insertion at a careless place
# goes to the nearer end.
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
# One file for each page's lines; the tree shows a page once the window has turned to it
# (its title, whatever messages it counts).
awk '/^page \| / {n++} {print >("expected-" n ".txt")}' "$expected"
shows_page() {
  local title shown
  tree dump >shown.txt
  title=$(head -n1 "expected-$1.txt")
  shown=$(head -n1 shown.txt)
  [ "${shown%%，*}" = "${title%%，*}" ]
}
page_shown() { eventually 10 shows_page "$1" || fail "the tree does not show page $1: $(cat shown.txt)"; }
shows_exactly() { tree dump >shown.txt && cmp -s shown.txt "$1"; }
for page in 1 2 3 4 5 6; do
  keys "ctrl+$page"
  # Whatever still differs at the end, the diff below shows.
  eventually 10 shows_exactly "expected-$page.txt" || true
  cat shown.txt >>pages.txt
done
diff -u "$expected" pages.txt || fail "the pages read otherwise than screen_reader_pages.txt"

# Events: watched while the keys and clicks happen, from nothing focused; each is waited
# for, as they come over the bus after the window has sent them.
expect_event() {
  eventually 20 grep -qF -- "$1" events.txt || fail "no event \"$1\" (events.txt: $(cat events.txt))"
}
keys ctrl+1 Escape
page_shown 1
nothing_focused() { ! tree dump | grep -qF focused; }
eventually 10 nothing_focused || fail "a control kept the focus after Escape: $(tree dump)"
# Not through tree(): the watcher is killed by its own id.
/usr/bin/python3 "$ZARQ_E2E/accessible_tree.py" watch 120 >events.txt &
watcher=$!
echo "$watcher" >>"$ZARQ_E2E_LOGS/pids"
eventually 5 grep -qx ready events.txt || fail "the event watcher did not start"
click_at 472 182
keys End
type_text 7
# The page reads by column: the chart ID, then the boxes.
keys Tab Tab Tab
click_at 392 265
click_at 657 346
# The warning goes with the page: the watcher reads its name before the page turns.
expect_event "object:state-changed:showing | notification | 警告：255会导致谱面背景全黑！"
keys ctrl+2
expect_event "object:state-changed:focused | entry | 曲名 | 1"
expect_event "object:state-changed:focused | entry | 谱面ID | 1"
expect_event "object:text-changed:insert:system | entry | 谱面ID | 8 | 7"
expect_event "object:text-caret-moved | entry | 谱面ID | 9"
expect_event "object:state-changed:focused | entry | 谱面ID | 0"
expect_event "object:state-changed:focused | check box | 开场 | 1"
expect_event "object:state-changed:checked | check box | 开场 | 0"
expect_event "object:property-change:accessible-value | slider | 背景暗化"
expect_event "object:children-changed:add | panel |"
kill "$watcher"

# A screen reader's click ticks the box again.
keys ctrl+1
page_shown 1
# Waits until the tree holds a line with TEXT; fails with WHAT otherwise.
tree_holds() { tree dump >tree.txt && grep -qF -- "$1" tree.txt; }
tree_shows() { eventually 10 tree_holds "$1" || fail "$2: $(cat tree.txt)"; }
tree press 开场 "check box"
tree_shows "check box | 开场 |  | checked" "the screen reader's click did not tick 开场"
# It moves the focus to a box, types into a field as the keyboard would (capitals in a
# suffix) and sets a slider, whose field follows.
tree focus 结算 "check box"
tree_shows "check box | 结算 |  | focused,checked" "the focus did not reach 结算"
tree set 曲绘 entry jpg
tree set 背景模糊 slider 30
tree_shows "entry | 曲绘 | JPG | focused,invalid" "the screen reader's typing did not reach 曲绘"
tree_shows "entry | 背景模糊 | 30 | " "the screen reader's value did not reach 背景模糊"
# An insertion before the text's start goes at its start and replaces nothing.
tree insert 曲绘 entry -7 p
tree_shows "entry | 曲绘 | PJPG | " "an insertion at -7 did not go before JPG"
close_editor
