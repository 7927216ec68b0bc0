# A refused key rings the desktop's sound theme where it can be played and the X bell
# otherwise (many desktops mute that one; the field's outline flash is tested headless).
. "$ZARQ_E2E/lib.sh"

/usr/bin/python3 "$ZARQ_E2E/bell_watch.py" >"$ZARQ_E2E_LOGS/bells" 2>>"$ZARQ_E2E_LOGS/bell.log" &
echo $! >>"$ZARQ_E2E_LOGS/pids"
eventually 5 grep -q ready "$ZARQ_E2E_LOGS/bells" || fail "the bell watcher did not start"
bells() { grep -c '^bell$' "$ZARQ_E2E_LOGS/bells" || true; }

# Types "." into the illustration suffix, which takes letters and digits only.
refuse_a_key() {
  click_at 322 397
  type_text "."
}

# No sound theme to be found: the X bell rings. (The sound library keeps what it did not
# find in a cache of its own, which the second editor below must not see.)
XDG_DATA_DIRS="$PWD/no-themes" XDG_CACHE_HOME="$PWD/no-themes-cache" start_editor
refuse_a_key
for _ in $(seq 50); do [ "$(bells)" -ge 1 ] && break; sleep 0.1; done
[ "$(bells)" = 1 ] || fail "a refused key rang the X bell $(bells) times, not once"
close_editor

# The freedesktop theme and a sound device (here ALSA's null device, which takes any sound
# and plays it nowhere): the theme's bell is played, and the X bell stays silent.
[ -f /usr/share/sounds/freedesktop/stereo/bell.oga ] || fail "sound-theme-freedesktop is missing"
printf 'pcm.!default { type null }\n' >"$HOME/.asoundrc"
start_editor
refuse_a_key
# Any bell of the key was rung before the window answers; the mark rung after it shows
# that the watcher has seen them all.
input_handled
/usr/bin/python3 -c 'from Xlib import display; d = display.Display(); d.bell(0); d.sync()'
eventually 5 grep -qx "core bell" "$ZARQ_E2E_LOGS/bells" || fail "the watcher did not see the mark"
[ "$(bells)" = 1 ] || fail "the X bell rang though the sound theme was played ($(bells) bells)"
close_editor
note "a refused key is heard"
