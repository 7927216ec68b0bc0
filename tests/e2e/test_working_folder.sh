# Where the editor works. Started from the menu (the desktop entry's command, run from the
# home folder as a launcher runs it), the first time it asks for the recorder's folder
# (cancelling starts nothing, the home folder and the desktop are refused, a new folder may
# be made there), then works there and goes back
# to it without asking, also when a preset is opened from a file manager; nothing lands in
# the home folder. `zarq-settings FOLDER` works in FOLDER, `zarq-settings FILE.set` in the
# current folder with FILE.set opened as Ctrl+O opens it. The window's class is the one the
# desktop entry names, and its title names the folder.
. "$ZARQ_E2E/lib.sh"

ENTRY="$ZARQ_E2E/../../data/org.zarqradoziro.Settings.desktop"
CHOOSER="选择录制器所在的文件夹"
KEPT="$XDG_CONFIG_HOME/zarq-settings/last-folder"

# Types PATH into the folder chooser; "cancel" cancels it, "here" takes the folder it shows
# (by its button 选择, Alt+S).
choose_folder() {
  local dialog
  dialog=$(find_window "$CHOOSER" 15) || fail "no folder chooser titled $CHOOSER"
  timeout 10 xdotool windowfocus --sync "$dialog" || fail "the chooser did not take the keyboard"
  input_handled "$dialog"
  case $1 in
    cancel) keys Escape ;;
    here) keys alt+s ;;
    *)
      keys ctrl+l
      type_text "$1"
      input_handled "$dialog"
      keys Return
      ;;
  esac
  window_gone "$CHOOSER" 10 || fail "the chooser did not close"
}

# The entry's command as a launcher runs it: from the home folder, %f the file opened (or
# nothing), the program found by its name.
launch_from_menu() {
  local args=() word
  for word in $(sed -n 's/^Exec=//p' "$ENTRY"); do
    case $word in
      zarq-settings) ;;
      %f) args+=("$@") ;;
      *) args+=("$word") ;;
    esac
  done
  pushd "$HOME" >/dev/null
  launch_editor "${args[@]}"
  popd >/dev/null
}

# What lies in the home folder but the hidden folders of the desktop and its programs, and
# anything the editor leaves, wherever it is in there.
home_files() {
  find "$HOME" -mindepth 1 -maxdepth 1 ! -name '.*'
  find "$HOME" -name save.set -o -name runfile.txt -o -name '*.json'
}

mkdir -p proj shell "$HOME/Desktop"
echo '{"chartId": "opened-id"}' >opened.json
"$ZARQ_PRESET" make opened.json -o opened.set
echo "not a preset" >shell/notes.set
home_before=$(home_files)

note "the first menu start asks; cancelling starts nothing"
launch_from_menu
choose_folder cancel
wait_editor_exit 10
[ "$EDITOR_EXIT" = 0 ] || fail "cancelling the chooser ended the editor with exit code $EDITOR_EXIT"
[ ! -e "$KEPT" ] || fail "a cancelled start kept a folder"

note "the home folder and the desktop are refused; a new folder is made and taken"
launch_from_menu
# The chooser opens on the home folder.
choose_folder here
answer_window "$ZARQ_TITLE - $CHOOSER" Return
choose_folder "$HOME/Desktop"
answer_window "$ZARQ_TITLE - $CHOOSER" Return
choose_folder "$PWD/rec"
take_editor_window "$(editor_title rec)"
class=$(xprop -id "$EDITOR_WID" WM_CLASS | sed -n 's/^WM_CLASS(STRING) = //p')
wanted=$(sed -n 's/^StartupWMClass=//p' "$ENTRY")
[ "$class" = "\"$wanted\", \"$wanted\"" ] || fail "the window's class is $class, the entry's $wanted"
rest_pointer
screenshot "$EDITOR_WID" menu-start.png
close_editor
[ -f rec/save.set ] || fail "the menu start saved no rec/save.set"

note "the next menu start goes back there without asking"
launch_from_menu
take_editor_window "$(editor_title rec)"
xdotool search --onlyvisible --name "^$CHOOSER\$" >/dev/null && fail "the chooser asked again"
close_editor

note "a preset opened from a file manager"
launch_from_menu "$PWD/opened.set"
take_editor_window "$(editor_title rec)"
answer_window "$ZARQ_TITLE - 加载预设" Return
close_editor
[ "$(chart_id_of rec/save.set)" = opened-id ] || fail "the opened preset did not reach rec/save.set"
[ "$(home_files)" = "$home_before" ] || fail "menu starts wrote into the home folder: $(home_files)"

note "zarq-settings FOLDER"
EDITOR_FOLDER=$PWD/proj start_editor proj
close_editor
[ -f proj/save.set ] && [ ! -e save.set ] || fail "zarq-settings proj did not work in proj: $(ls -R)"
[ "$(cat "$KEPT")" = "$PWD/proj" ] || fail "the folder kept is $(cat "$KEPT"), not proj"

note "zarq-settings FILE.set, with the refusals of Ctrl+O"
cd shell
start_editor notes.set
answer_window "$ZARQ_TITLE - 加载预设" Return
close_editor
[ "$(chart_id_of save.set)" = 20220924 ] || fail "a refused preset changed the form"
start_editor missing.set
answer_window "$ZARQ_TITLE - 打开" Return
close_editor
start_editor ../opened.set
answer_window "$ZARQ_TITLE - 加载预设" Return
close_editor
[ "$(chart_id_of save.set)" = opened-id ] || fail "zarq-settings ../opened.set did not load it"

note "a relative XDG_CONFIG_HOME is none, as XDG says: nothing lands in the folder"
XDG_CONFIG_HOME=rel EDITOR_FOLDER=$PWD start_editor .
close_editor
[ ! -e rel ] || fail "a relative XDG_CONFIG_HOME wrote into the folder: $(find rel)"
[ "$(cat "$KEPT")" = "$PWD" ] || fail "the folder kept is $(cat "$KEPT"), not $PWD"
