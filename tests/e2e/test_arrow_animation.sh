# Hovering a page arrow grows it through frames drawn on their own, leaving it shrinks it
# back to rest, and once the animation is over the editor draws nothing until input comes.
. "$ZARQ_E2E/lib.sh"

# CPU time (user + system, in clock ticks) the editor has used so far.
editor_cpu_ticks() { awk '{print $14 + $15}' "/proc/$EDITOR_PID/stat"; }

start_editor
rest_pointer
screenshot "$EDITOR_WID" rest.png
at_rest=$(brightness rest.png 829 290 60 100)

# One pointer move starts the animation; only frames drawn afterwards can show it grown.
[ "$at_rest" -gt 0 ] || fail "no arrow at the right of page 1"
move_to 859 340
# Fully grown it is 1.2 times as long and as thick, and brighter.
for _ in $(seq 20); do
  screenshot "$EDITOR_WID" hovered.png
  grown=$(brightness hovered.png 829 290 60 100)
  [ "$grown" -gt $((at_rest * 13 / 10)) ] && break
done
[ "$grown" -gt $((at_rest * 13 / 10)) ] ||
  fail "the hovered arrow did not grow (brightness $at_rest at rest, $grown hovered)"

rest_pointer
expect_page "$EDITOR_WID" 1 left.png

before=$(editor_cpu_ticks)
sleep 2
used=$(($(editor_cpu_ticks) - before))
# Drawing on would cost a good part of every second; a resting editor costs next to nothing.
[ "$used" -le 10 ] || fail "the resting editor used $used ticks of CPU in 2 s"

close_editor
note "the arrow animates while hovered and the editor rests afterwards"
