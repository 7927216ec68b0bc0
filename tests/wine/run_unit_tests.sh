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
trap 'wineserver -k 2>/dev/null || true' EXIT
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
[ "$status" -eq 0 ] && [ "$failed" -eq 0 ] && [ "$passed" -gt 0 ]
