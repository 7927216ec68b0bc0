# zarq-settings.exe under Wine answers screen readers: another process walks its client
# object through AccessibleObjectFromWindow (accessible_walk.exe) and finds page 1's
# controls with their roles, values, states, default actions and child ids, the page named
# by its title; a click into a field makes it the focus; a message appearing leaves every
# other control its id; after Ctrl+2 the walk finds page 2 with its first field focused; the
# walker's "click" on a check box ticks it. Meanwhile the walker, watching the window's
# WinEvents, sees the focus move (to the new page's first field too), the typed text change
# the value, the box's state change and the page's children reorder; Escape leaves the
# focus on the page itself.
. "$ZARQ_E2E/lib.sh"

walker="$ZARQ_WINDOWS_BUILD/tests/accessible_walk.exe"
walk() { wine "$walker" "$@" 2>>"$ZARQ_E2E_LOGS/walk.log"; }
expect_line() {
  grep -F -x -- "$1" walk.txt >/dev/null || fail "no line \"$1\" in the walk: $(cat walk.txt)"
}
# Fails with WHAT unless a line of the walk matches the extended regular expression.
expect_match() { grep -qE -- "$1" walk.txt || fail "$2: $(cat walk.txt)"; }
expect_event() {
  eventually 10 grep -qFx -- "$1" events.txt || fail "no WinEvent \"$1\": $(cat events.txt)"
}
[ -f "$walker" ] || fail "no $walker (scripts/build-windows --tests builds it)"

start_editor
rest_pointer
walk >walk.txt
expect_line "page | Zarq Radoziro 设置填写器，3 个错误"
for line in "check box | 开场 |  | checked" "check box | 谱面 |  | checked" \
  "check box | 结算 |  | checked"; do
  grep -F -- "$line |" walk.txt >/dev/null || fail "no \"$line\" in the walk: $(cat walk.txt)"
done
expect_match '^text \| 谱面ID \| 20220924 \| invalid \| ' "the chart ID is not an invalid text"
expect_match '^slider \| 背景暗化 \| 150 \| ' "no dim slider"
expect_match '^alert \| 错误：未找到 20220924.json！ ' "no message"
expect_match '^push button \| 开场动画设置 ' "no right arrow"

# A control keeps its child id however the page changes: read from the line that names it.
id_of() { grep -E "^$1 " walk.txt | head -n1 | awk -F' [|] ' '{print $6}'; }
chart_id=$(id_of "text \| 谱面ID")
opening=$(id_of "check box \| 开场")
[ -n "$chart_id" ] && [ -n "$opening" ] || fail "no child ids in the walk: $(cat walk.txt)"
# What activating does, named as the window's own words name it.
expect_match '^check box \| 开场 \|.* \| 取消勾选$' "开场 names no action"
expect_match '^push button \| 开场动画设置 \|.* \| 按下$' "the arrow names no action"
# The walker's questions are sent messages, which overtake keys and clicks the window has
# not read yet: each walk is repeated until it finds what they did.
walk_until() {
  for _ in $(seq 30); do
    walk >walk.txt
    grep -E -x -- "$1" walk.txt >/dev/null && return 0
    sleep 0.3
  done
  fail "$2: $(cat walk.txt)"
}
# Not through walk(): the watcher is stopped by its own id.
wine "$walker" watch 120 >events.txt 2>>"$ZARQ_E2E_LOGS/walk.log" &
watcher=$!
echo "$watcher" >>"$ZARQ_E2E_LOGS/pids"
eventually 10 grep -qx ready events.txt || fail "the WinEvent watcher did not start"

# The chart ID takes the keyboard: the focus is its child.
click_at 472 182
walk_until "focus \| $chart_id" "the click did not give the chart ID the focus"
type_text 7
click_at 392 265
# The dim slider at its end: a warning appears, and nothing else changes its id.
click_at 657 346
walk_until "alert \| 警告：255会导致谱面背景全黑！.*" "no warning"
[ "$(id_of "check box \| 开场")" = "$opening" ] || fail "开场's id changed when a message appeared"

# A page turn puts the focus on the new page's first control, and says so.
keys ctrl+2
walk_until "page \| 开场动画设置" "Ctrl+2 did not turn to page 2"
song=$(id_of "text \| 曲名")
walk_until "focus \| $song" "the page turn did not focus 曲名"
for event in "focus | $chart_id" "value | $chart_id" "state | $opening" "reorder | 0" \
  "focus | $song"; do
  expect_event "$event"
done
# Escape lets go of the focus: the page itself holds it, and says so.
keys Escape
walk_until "focus \| 0" "after Escape the page does not hold the focus"
expect_event "focus | 0"
kill "$watcher"
expect_match '^radio button \| 画质 1080P \| 1080P \| checked \| ' "no quality options"

# The walker's click on 开场 (page 1, unticked by the click above) ticks it again, as a click
# does.
keys ctrl+1
walk_until "page \| Zarq Radoziro 设置填写器.*" "Ctrl+1 did not turn to page 1"
walk press "$opening"
walk_until "check box \| 开场 \|  \| checked(,focused)? \| .*" "the walker's click did not tick 开场"
keys ctrl+q
wait_editor_exit
