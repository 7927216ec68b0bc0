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
echo "ok"
