# The README's walk-through, in a folder outside the clone: the demo chart folder imported
# with Ctrl+Shift+O, its avatar picked on page 4, the chart's duration typed on page 3; the
# form saved on closing passes `zarq-preset check`.
. "$ZARQ_E2E/lib.sh"

demo=$(cd "$ZARQ_E2E/../../examples/demo-chart" && pwd)

start_editor
rest_pointer
keys ctrl+shift+o
pick_in_chooser "打开 Zarq 谱面文件夹" "$demo"
keys ctrl+4
keys ctrl+shift+o
pick_in_chooser "打开" "$demo/avatar.png"
keys ctrl+3
# The duration field (page 3, bottom right): Delete leaves its unit, then two seconds.
click_at 760 615
keys Delete
type_text 2
rest_pointer
close_editor

for f in save.set runfile.txt demo-chart.json demo-chart.PNG demo-chart.WAV avatar.png; do
  [ -s "$f" ] || fail "the walk-through left no $f"
done
"$ZARQ_PRESET" check --dir . >check.txt || fail "zarq-preset check after the walk-through: $(cat check.txt)"
note "the README walk-through ends with a form that passes check"
