# zarq-settings.exe under Wine without the mouse: the same keys as the Linux window's
# keyboard-only test, with the same results read back from save.set.
. "$ZARQ_E2E/test_keyboard_only.sh"
