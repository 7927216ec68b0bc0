# Sourced by the tests that run the Windows build under Wine. Sets WINDOWS_BUILD (the
# build-windows folder, the first argument) and a Wine prefix of its own inside it, made
# once. A test that finds no Windows build or no Wine says so in one line and exits 77,
# which ctest counts as skipped.
WINDOWS_BUILD=$(cd "$1" 2>/dev/null && pwd) || WINDOWS_BUILD=""
if [ -z "$WINDOWS_BUILD" ] || [ ! -f "$WINDOWS_BUILD/zarq-settings.exe" ]; then
  echo "skipped: no Windows build (scripts/build-windows could not install mingw-w64)"
  exit 77
fi
if ! command -v wine >/dev/null; then
  echo "skipped: Wine is not installed"
  exit 77
fi
export WINEPREFIX="$WINDOWS_BUILD/wine-prefix" WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
# One test at a time makes the prefix; the others wait for it.
(
  flock 9
  [ -f "$WINEPREFIX/drive_c/windows/system32/kernel32.dll" ] || "$(dirname "${BASH_SOURCE[0]}")/make_prefix.sh"
) 9>"$WINDOWS_BUILD/wine-prefix.lock"
# A Wine server belongs to the display it started on: each test starts its own (ctest runs
# them one at a time) and ends it when done.
wineserver -k 2>/dev/null || true
