#!/usr/bin/env bash
# Makes the Wine prefix $WINEPREFIX whole, or fails. wineboot can come back while the
# prefix's set-up still runs in processes of its own; a wineserver ended then leaves a prefix
# without Windows' files, where every program fails to load (exit 53, its DLL not found). So
# the set-up is waited for and checked, and made again from nothing when it is not whole.
set -u
for _ in 1 2 3; do
  DISPLAY= wineboot -i >/dev/null 2>&1
  wineserver -w
  [ -f "$WINEPREFIX/drive_c/windows/system32/kernel32.dll" ] && exit 0
  wineserver -k 2>/dev/null
  rm -rf "$WINEPREFIX"
done
echo "could not make the Wine prefix $WINEPREFIX" >&2
exit 1
