# The Windows editor under Wine, in a Wine prefix of its own (the settings it changes stay
# there): the form grows with the display's DPI (LogPixels) and the text size of the
# accessibility settings (TextScaleFactor), a click lands on the control under it, and
# Ctrl+plus / Ctrl+0 zoom it, kept in %APPDATA%\zarq-settings\zoom for the next start.
# Wine's window frame differs from Windows', so sizes are compared with the size at 96 DPI.
. "$ZARQ_E2E/lib.sh"

export WINEPREFIX
WINEPREFIX="$(dirname "$ZARQ_E2E_LOGS")/wine-prefix"
trap 'wineserver -k 2>/dev/null || true' EXIT
"$ZARQ_E2E/../wine/make_prefix.sh"
wineserver -k 2>/dev/null || true

folder_of() { wine cmd /c "echo %$1%" | tr -d '\r'; }
kept_zoom() { cat "$appdata/zarq-settings/zoom" 2>/dev/null || echo none; }
appdata=$(winepath -u "$(folder_of APPDATA)")
set_dword() { wine reg add "$1" /v "$2" /t REG_DWORD /d "$3" /f >/dev/null 2>&1; }

# Fails unless the client area is FACTOR times the one at 96 DPI (to a pixel).
expect_scaled() {
  local factor=$1 size
  for _ in $(seq 20); do
    # A window being resized may not answer for a moment.
    size=$(client_size "$EDITOR_WID") || size="unreadable"
    awk -v s="$size" -v b="$base" -v f="$factor" 'BEGIN {
      split(s, a, "x"); split(b, c, "x")
      d1 = a[1] - c[1] * f; d2 = a[2] - c[2] * f
      exit !(d1 <= 1 && d1 >= -1 && d2 <= 1 && d2 >= -1) }' && return 0
    sleep 0.2
  done
  fail "the window is $size, not $factor x $base ($2)"
}

restart() {
  close_editor 15
  start_editor
}

start_editor
base=$(client_size "$EDITOR_WID")

set_dword 'HKCU\Control Panel\Desktop' LogPixels 144
restart
expect_scaled 1.5 "LogPixels 144"
move_to 708 990
screenshot "$EDITOR_WID" page1@144.png
# The right arrow, at (859, 340) of the form, lies at 1.5 times that. The page's first
# field takes the focus, let go of for the picture.
click_at 1289 510
keys Escape
move_to 708 990
"$ZARQ_WINDOWS_PRESET" render --page 2 --dir . --scale 1.5 -o frame2.png ||
  fail "zarq-preset.exe render --scale 1.5 failed"
convert frame2.png -crop "$(client_size "$EDITOR_WID")+0+0" +repage reference2.png
# A click at the scaled arrow shows page 2 as zarq-preset.exe draws it at 1.5.
expect_picture "$EDITOR_WID" reference2.png page2@144.png

keys ctrl+plus
expect_scaled 1.65 "LogPixels 144, zoomed to 110 %"
expect_kept 110
restart
expect_scaled 1.65 "the zoom kept, 110 %"
keys ctrl+0
expect_scaled 1.5 "Ctrl+0"
expect_kept 100

set_dword 'HKCU\Control Panel\Desktop' LogPixels 96
set_dword 'HKCU\Software\Microsoft\Accessibility' TextScaleFactor 125
restart
expect_scaled 1.25 "text size 125 %"
close_editor 15
note "the Windows editor follows the DPI, the text size and the zoom"
