#!/usr/bin/env bash
# zarq-preset render and the command line's own conventions, without a display.
. "$(dirname "$0")/lib.sh"

expect_code 0 "$preset" --help
grep -q "render" "$work/out" || fail "--help does not list render"

expect_code 2 "$preset" frobnicate
[ "$(wc -l <"$work/err")" -eq 1 ] || fail "an unknown command should give one line"
expect_code 2 "$preset"
expect_code 2 "$preset" render --page 7 -o "$work/x.png"
expect_code 2 "$preset" render --page 1
expect_code 2 "$preset" render --page 1 -o "$work/x.png" --bogus
expect_code 2 "$preset" render --page 1 -o "$work/x.png" --dir "$work/missing"

for page in 1 2 3 4 5 6; do
  expect_code 0 "$preset" render --page "$page" --dir "$work" -o "$work/p$page.png"
  file "$work/p$page.png" | grep "960 x 720" >/dev/null || fail "page $page is not a 960 x 720 PNG"
done
cmp -s "$work/p1.png" "$work/p2.png" && fail "pages 1 and 2 look the same"

# -o naming the preset the page is drawn from would replace it by the picture.
echo '{"chartId": "kept"}' | "$preset" make - -o "$work/save.set"
cp "$work/save.set" "$work/kept.set"
expect_said 1 "not written: it is the preset the page is drawn from" \
  "$preset" render --page 1 --dir "$work" -o "$work/save.set"
expect_said 1 "not written: it is the preset the page is drawn from" \
  "$preset" render --page 1 --preset "$work/save.set" -o "$work/./save.set"
cmp -s "$work/save.set" "$work/kept.set" || fail "render replaced the preset it drew"
echo "ok"
