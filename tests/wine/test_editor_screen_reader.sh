# zarq-settings.exe under Wine answers screen readers: another process walks its client
# object through AccessibleObjectFromWindow (accessible_walk.exe) and finds page 1's
# controls with their roles, values and states, the page named by its title; a click into
# a field makes it the focus; after Ctrl+2 the walk finds page 2; the walker's "click" on a
# check box ticks it off. Meanwhile the walker, watching the window's WinEvents, sees the
# focus move, the typed text change the value, the box's state change and the page's
# children reorder.
. "$ZARQ_E2E/lib.sh"

walker="$ZARQ_WINDOWS_BUILD/tests/accessible_walk.exe"
walk() { wine "$walker" "$@" 2>>"$ZARQ_E2E_LOGS/walk.log"; }
expect_line() {
  grep -F -x -- "$1" walk.txt >/dev/null || fail "no line \"$1\" in the walk: $(cat walk.txt)"
}
[ -f "$walker" ] || fail "no $walker (scripts/build-windows --tests builds it)"

start_editor
rest_pointer
walk >walk.txt
expect_line "page | Zarq Radoziro 设置填写器"
for line in "check box | 开场 |  | checked" "check box | 谱面 |  | checked" \
  "check box | 结算 |  | checked"; do
  grep -F -- "$line |" walk.txt >/dev/null || fail "no \"$line\" in the walk: $(cat walk.txt)"
done
grep -E '^text \| 谱面ID \| 20220924 \| invalid \| ' walk.txt >/dev/null ||
  fail "the chart ID is not an invalid text: $(cat walk.txt)"
grep -E '^slider \| 背景暗化 \| 150 \| ' walk.txt >/dev/null || fail "no dim slider: $(cat walk.txt)"
grep -E '^alert \| 错误：未找到 20220924.json！ ' walk.txt >/dev/null || fail "no message: $(cat walk.txt)"
grep -E '^push button \| 开场动画设置 ' walk.txt >/dev/null || fail "no right arrow: $(cat walk.txt)"

chart_id=$(($(grep -n '^text | 谱面ID ' walk.txt | cut -d: -f1) - 1))
opening=$(($(grep -n '^check box | 开场 ' walk.txt | cut -d: -f1) - 1))
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
for _ in $(seq 50); do
  grep -x ready events.txt >/dev/null && break
  sleep 0.2
done

# The chart ID takes the keyboard: the focus is its child.
click_at 472 182
walk_until "focus \| $chart_id" "the click did not give the chart ID the focus"
type_text 7
click_at 392 265

keys ctrl+2
walk_until "page \| 开场动画设置" "Ctrl+2 did not turn to page 2"
for event in "focus | $chart_id" "value | $chart_id" "state | $opening" "reorder | 0"; do
  for _ in $(seq 50); do
    grep -F -x -- "$event" events.txt >/dev/null && break
    sleep 0.2
  done
  grep -F -x -- "$event" events.txt >/dev/null || fail "no WinEvent \"$event\": $(cat events.txt)"
done
kill "$watcher"
grep -E '^radio button \| 画质 1080P \| 1080P \| checked \| ' walk.txt >/dev/null ||
  fail "no quality options: $(cat walk.txt)"

# The walker's click on 开场 (page 1, unticked by the click above) ticks it again, as a click
# does.
keys ctrl+1
walk_until "page \| Zarq Radoziro 设置填写器" "Ctrl+1 did not turn to page 1"
walk press "$opening"
walk_until "check box \| 开场 \|  \| checked \| .*" "the walker's click did not tick 开场"
keys ctrl+q
wait_editor_exit
