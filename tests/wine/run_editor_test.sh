#!/usr/bin/env bash
# Runs an end-to-end test script against zarq-settings.exe under Wine, on a private Xvfb
# server like the Linux ones (tests/e2e/run_e2e.sh). The script finds zarq-preset.exe as
# $ZARQ_WINDOWS_PRESET, the Windows build folder as $ZARQ_WINDOWS_BUILD and the Linux
# zarq-preset as $ZARQ_PRESET.
#   run_editor_test.sh SCRIPT BUILD_WINDOWS LINUX_PRESET
set -euo pipefail
script=$(realpath "$1")
linux_preset=$(realpath "$3")
set -- "$2"
. "$(dirname "$0")/lib.sh"
e2e=$(cd "$(dirname "$0")/../e2e" && pwd)
wrappers=$(mktemp -d)
trap 'rm -rf "$wrappers"; wineserver -k 2>/dev/null || true' EXIT
# The editor is told to work in the current folder, as the Linux one does unasked: started
# without a folder, a portable Windows editor works in the folder it lies in.
printf '#!/bin/sh\nexec wine "%s" . "$@"\n' "$WINDOWS_BUILD/zarq-settings.exe" >"$wrappers/zarq-settings"
printf '#!/bin/sh\nexec wine "%s" "$@"\n' "$WINDOWS_BUILD/zarq-preset.exe" >"$wrappers/zarq-preset"
chmod +x "$wrappers/zarq-settings" "$wrappers/zarq-preset"
export ZARQ_WINDOWS_PRESET="$wrappers/zarq-preset" ZARQ_WINDOWS_BUILD="$WINDOWS_BUILD"
"$e2e/run_e2e.sh" "$script" "$wrappers/zarq-settings" "$linux_preset"
