# zarq-settings.exe under Wine: the save and open dialogs start in the editor's folder every
# time, also after the avatar dialog and the folder picker were used in another folder (the
# dialogs of Windows would otherwise start in the folder last used).
. "$ZARQ_E2E/lib.sh"

mkdir elsewhere
cp -r "$ZARQ_E2E/../../examples/demo-chart" elsewhere/
elsewhere=$(winepath -w "$PWD/elsewhere")
# The chart folder for the picker where keys reach it without a search by typed letters,
# which depends on how fast the picker takes them: the first folder of the first drive.
charts="$(winepath -u 'C:\')/0zarq-dialogs"
rm -rf "$charts"
mkdir "$charts"
trap 'rm -rf "$charts"' EXIT
cp -r elsewhere/demo-chart "$charts/"

# Waits up to five seconds for FILE to appear.
appears() { eventually 5 test -f "$1"; }

# Types NAME into the file dialog titled TITLE and presses Return.
choose_in_dialog() {
  local title=$1 name=$2 dialog
  dialog=$(find_window "$title" 15) || fail "no dialog titled $title"
  take_keyboard "$dialog"
  # A dialog shows once it has set itself up: keys from now on reach its name box.
  type_text "$name"
  keys Return
  window_gone "$title" 10 || fail "the dialog $title did not close"
  take_keyboard
}

# Answers the message box titled TITLE with Return.
dismiss() {
  answer_window "$1" Return
  take_keyboard
}

# Saves the form by Ctrl+S under NAME, which must land in the editor's folder.
save_as() {
  keys ctrl+s
  choose_in_dialog "Save As" "$1"
  dismiss "$ZARQ_TITLE - 保存"
  [ -z "$(find elsewhere "$charts" -name "$1.set")" ] || fail "$2: the save dialog started in the folder last used"
  [ -f "$1.set" ] || fail "$2: Ctrl+S saved no $1.set"
}

start_editor
rest_pointer
# The avatar picked in another folder.
keys ctrl+4
keys ctrl+shift+o
choose_in_dialog "Open" "$elsewhere\\demo-chart\\avatar.png"
appears avatar.png || fail "the avatar was not copied into the editor's folder"
save_as after-avatar "after the avatar dialog"
# Ctrl+O starts there too: a bare name opens the preset just saved.
keys ctrl+o
choose_in_dialog "Open" "after-avatar.set"
dismiss "$ZARQ_TITLE - 加载预设"
note "after the avatar dialog"

# The chart folder picked in the folder picker, by its tree: "M" selects My Computer below
# the desktop, then each Right opens the folder selected or goes to its first folder: the
# drive C:, 0zarq-dialogs, demo-chart.
keys ctrl+1
keys ctrl+shift+o
picker=$(find_window "Browse for Folder" 15) || fail "no folder picker"
take_keyboard "$picker"
keys M Right Right Right Right Right Right
screenshot "$picker" "$ZARQ_E2E_LOGS/folder-picker.png"
keys Return
window_gone "Browse for Folder" 10 || fail "the folder picker did not close"
take_keyboard
appears demo-chart.json || fail "the chart folder was not imported"
save_as after-folder "after the folder picker"
note "after the folder picker"

close_editor 15
