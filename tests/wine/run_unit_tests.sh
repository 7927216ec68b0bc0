#!/usr/bin/env bash
# The unit tests cross-built for Windows, run under Wine.  run_unit_tests.sh BUILD_WINDOWS
set -euo pipefail
. "$(dirname "$0")/lib.sh"
tests="$WINDOWS_BUILD/tests/zarq_unit_tests.exe"
[ -f "$tests" ] || { echo "FAIL: $tests was not built (scripts/build-windows --tests)"; exit 1; }
# The tests of the GTK and cairo back ends are not built for Windows: those back ends are not.
source_root=$(cd "$(dirname "$0")/../.." && pwd)
linux_only=$(cat "$source_root"/tests/unit/{app/gtk,backend/cairo,backend/gtk}/*.cpp |
  grep -cE '^(TEST|TEST_F|TEST_P)\(')
log="$WINDOWS_BUILD/unit-tests.log"
# Some tests open windows (message boxes): they get a display of their own, as on Windows
# there is always a desktop.
display_log=$(mktemp)
Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp -noreset 3>"$display_log" >/dev/null 2>&1 &
xvfb_pid=$!
trap 'wineserver -k 2>/dev/null || true; kill "$xvfb_pid" 2>/dev/null; rm -f "$display_log"' EXIT
for _ in $(seq 200); do
  [ -s "$display_log" ] && break
  sleep 0.05
done
[ -s "$display_log" ] || { echo "FAIL: Xvfb did not start"; exit 1; }
export DISPLAY=":$(head -n1 "$display_log")"
# The number comes before the server takes connections.
for _ in $(seq 200); do
  xdotool getdisplaygeometry >/dev/null 2>&1 && break
  sleep 0.05
done
status=0
wine "$tests" >"$log" 2>&1 || status=$?
grep -E '^\[  FAILED  \]|Failure$' "$log" | sort -u || true
passed=$(grep -cE '^\[       OK \]' "$log" || true)
failed=$(grep -E '^\[  FAILED  \] .*\(' "$log" | grep -c . || true)
skipped=$(grep -E '^\[  SKIPPED \] .*\(' "$log" | grep -c . || true)
echo "Windows unit tests under Wine: $passed passed, $failed failed, $skipped skipped ($log)"
# A skipped test says why on the line before it.
grep -B1 -E '^\[  SKIPPED \] .*\(' "$log" | grep -vE '^(\[|--)' | sort | uniq -c |
  sed 's/^ */  skipped: /' || true
echo "not built for Windows: $linux_only tests of the GTK and cairo back ends, which Windows does not have"
# A run cut short (its Wine server ended, the process killed) may still exit 0: only a run
# that reached Google Test's closing line counts.
grep -qE '^\[==========\] [0-9]+ tests? from .* ran\.' "$log" ||
  { echo "FAIL: the unit tests did not run to their end ($log)"; exit 1; }
[ "$status" -eq 0 ] && [ "$failed" -eq 0 ] && [ "$passed" -gt 0 ]
