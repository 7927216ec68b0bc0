# A 3 kB SVG with an enormous blur, saved as the illustration "x.PNG": it is no picture of a
# format an illustration comes in, so no decoder ever draws it. The editor shows its window,
# closes within a second, saves, and leaves the folder to the next editor at once.
. "$ZARQ_E2E/lib.sh"

printf '{"chartId": "x", "illustrationExt": "PNG"}' | "$ZARQ_PRESET" make - -o save.set
{
  echo "<svg xmlns='http://www.w3.org/2000/svg' width='30000' height='30000'>"
  echo "<filter id='f'><feGaussianBlur stdDeviation='9000'/></filter>"
  for i in $(seq 40); do
    echo "<rect x='$i' width='30000' height='30000' fill='#$((i % 9))0a' filter='url(#f)'/>"
  done
  echo "</svg>"
} >x.PNG

start_editor
sleep 1
close_editor 3
"$ZARQ_PRESET" dump --fields chartId save.set | grep -q '"x"' || fail "the form was not saved"

start_editor
"$ZARQ_PRESET" check --json >check.json || true
grep -q "无法加载曲绘" check.json || fail "the SVG was not refused as an illustration: $(cat check.json)"
close_editor 3
note "an SVG posing as the illustration holds nothing up"
