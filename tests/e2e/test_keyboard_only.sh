# The editor without the mouse: from the start Tab reaches a check box of page 1 and Space
# ticks it off, the arrow keys move a slider and its field, Space moves the selector of page 4
# on, F1, Shift+F10 and the context-menu key explain the focused control, and closing keeps
# what the keys did. A picture of each kind of control with its focus outline is kept in the
# logs (focus-*.png).
. "$ZARQ_E2E/lib.sh"

start_editor
shots=$ZARQ_E2E_LOGS
screenshot "$EDITOR_WID" start.png

# Page 1 reads by column: the chart ID, then the first box, 开场.
keys Tab
expect_change "$EDITOR_WID" start.png "$shots/focus-field.png"
keys Tab
expect_change "$EDITOR_WID" "$shots/focus-field.png" "$shots/focus-box.png"
keys space
expect_change "$EDITOR_WID" "$shots/focus-box.png" unticked.png
# 谱面, 结算, the two suffixes, the dim slider and field, then the blur slider: three steps up.
keys Tab Tab Tab Tab Tab Tab Tab Right Right Right
expect_change "$EDITOR_WID" unticked.png "$shots/focus-slider.png"
# Shift+Tab from nothing: the right arrow.
keys Escape shift+Tab
expect_change "$EDITOR_WID" "$shots/focus-slider.png" "$shots/focus-arrow.png"

# Page 5 starts on the judge line's thickness; three fields on, the mirror's X, ticked by Space.
keys ctrl+5 Tab Tab Tab Tab space
expect_change "$EDITOR_WID" "$shots/focus-arrow.png" "$shots/focus-option.png"

# Page 4 starts on the avatar; then player, RKS, challenge, 分数增加, the obtained box's text,
# the selector.
keys ctrl+4 Tab Tab Tab Tab Tab Tab
expect_change "$EDITOR_WID" "$shots/focus-option.png" "$shots/focus-selector.png"
keys space
# Each help key shows the selector's help; the box closes with Enter.
for help_key in F1 shift+F10 Menu; do
  keys "$help_key"
  help=$(find_window "$ZARQ_TITLE - 已获得框" 10) || fail "$help_key on the selector showed no help"
  screenshot "$help" "$shots/help.png"
  answer_window "$ZARQ_TITLE - 已获得框" Return
  take_keyboard
done

# Closed by a key, which comes after the others.
keys ctrl+q
wait_editor_exit 15
[ "$EDITOR_EXIT" = 0 ] || fail "exit code $EDITOR_EXIT"
"$ZARQ_PRESET" dump save.set >saved.json
read -r opening blur type mirror < <(/usr/bin/python3 -c '
import json, sys
v = json.load(open(sys.argv[1]))
print(v["recordOpening"], v["backgroundBlur"], v["obtainedType"], ",".join(v["mirror"]) or "-")' saved.json)
[ "$opening" = False ] || fail "开场 is still ticked ($opening)"
[ "$blur" = 83 ] || fail "the blur is $blur, not 83"
[ "$type" = Data ] || fail "the obtained type is $type, not Data"
[ "$mirror" = X ] || fail "the mirror is $mirror, not X"
note "Tab, Space, the arrow keys and F1 work every kind of control"
