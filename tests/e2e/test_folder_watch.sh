# The illustration copied into the editor's folder while it runs shows behind the page, also
# when the kernel grants no watch on the folder (all of the user's inotify watches taken).
. "$ZARQ_E2E/lib.sh"

command -v strace >/dev/null || { note "skipped: no strace"; exit 77; }
printf '{"chartId": "x", "illustrationExt": "PNG"}' | "$ZARQ_PRESET" make - -o save.set
picture="$ZARQ_E2E/../../examples/demo-chart/demo-chart.png"

for watches in granted refused; do
  rm -f x.PNG
  case $watches in
    granted) launch_editor ;;
    refused)
      strace -f -qq -o /dev/null -e trace=inotify_add_watch \
        -e inject=inotify_add_watch:error=ENOSPC "$ZARQ_EDITOR" >>"$ZARQ_E2E_LOGS/editor.log" 2>&1 &
      EDITOR_PID=$!
      echo "$EDITOR_PID" >>"$ZARQ_E2E_LOGS/pids"
      ;;
  esac
  take_editor_window "$(editor_title)"
  rest_pointer
  screenshot "$EDITOR_WID" "$ZARQ_E2E_LOGS/$watches-black.png"
  cp "$picture" x.PNG
  expect_change "$EDITOR_WID" "$ZARQ_E2E_LOGS/$watches-black.png" "$ZARQ_E2E_LOGS/$watches-shown.png" 100000
  close_editor
  note "watches $watches: the picture copied in shows"
done
