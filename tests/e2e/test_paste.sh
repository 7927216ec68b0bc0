# Text another program puts on the clipboard is pasted with Ctrl+V into the field being
# edited, its line break and NUL dropped; a text of 100 units is refused with a message, and
# so is a paste whose owner never answers, after a moment rather than half a minute.
. "$ZARQ_E2E/lib.sh"

# Owns the clipboard with TEXT until another owner takes it over.
set_clipboard() {
  printf '%s' "$1" | xclip -selection clipboard -quiet >/dev/null 2>&1 &
  echo $! >>"$ZARQ_E2E_LOGS/pids"
  for _ in $(seq 50); do
    [ "$(xclip -selection clipboard -o 2>/dev/null)" = "$1" ] && return 0
    sleep 0.1
  done
  fail "xclip did not take the clipboard"
}

start_editor
rest_pointer
# Into the chart ID: a press on the field starts editing, Delete empties it.
click_at 472 182
keys Delete
set_clipboard "$(printf 'my\nchart')"
keys ctrl+v
# The paste is done before another text takes the clipboard.
expect_field mychart "Ctrl+V"

# A NUL inside the text is dropped as a line break is, not taken for the text's end.
keys Delete
printf 'nul\0after' >nul.txt
xclip -selection clipboard -quiet -i nul.txt >/dev/null 2>&1 &
echo $! >>"$ZARQ_E2E_LOGS/pids"
sleep 0.5
keys ctrl+v
expect_field nulafter "Ctrl+V of a text with a NUL"
keys Delete
set_clipboard mychart
keys ctrl+v

set_clipboard "$(printf '%0100d' 0)"
keys ctrl+v
answer_window "Zarq Radoziro 设置填写器 - 粘贴" Return

set_clipboard frozen
owner=$(tail -n1 "$ZARQ_E2E_LOGS/pids")
kill -STOP "$owner"
keys ctrl+v
find_window "Zarq Radoziro 设置填写器 - 粘贴" 10 >/dev/null || fail "a silent clipboard owner holds Ctrl+V"
kill -KILL "$owner"
answer_window "Zarq Radoziro 设置填写器 - 粘贴" Return

close_editor
chart_id=$(chart_id_of save.set)
[ "$chart_id" = mychart ] || fail "the chart ID is \"$chart_id\" after pasting, not \"mychart\""
note "Ctrl+V pastes the clipboard"
