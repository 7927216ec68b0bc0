#include "editor/long_work.h"

#include "editor/file_messages.h"
#include "editor/message_boxes.h"
#include "editor/window_events.h"
#include "form/busy_mark.h"
#include "form/preview.h"
#include "form/settings_form.h"

namespace zarq {

void runLongWork(SettingsForm& form, const std::function<void()>& work) {
  beginBusyWork(form);
  form.host().runLongWork(work, [&form] { onPaint(form); });
  endBusyWork(form);
}

WriteOutcome copyAsLongWork(SettingsForm& form, const std::filesystem::path& from,
                            const std::filesystem::path& to, CopyMode mode) {
  WriteOutcome outcome;
  FileSystem& files = form.platform.files;
  runLongWork(form,
              [&] { outcome = copyFileAtomically(files, from, to, mode, &form.stopLongWork); });
  // A copy into the editor's folder may be the illustration the form names.
  previewFileMayHaveChanged(form);
  return outcome;
}

void tellCopyOutcome(SettingsForm& form, const WriteOutcome& outcome,
                     const std::filesystem::path& to, TextView cannotOpen, TextView about) {
  if (outcome) {
    if (outcome.unflushed != FileError::None) {
      tell(form, copiedUnflushedText(to, outcome.unflushed), about);
    }
    return;
  }
  // Stopped for the session's end, which asks no one anything.
  if (outcome.error == FileError::Stopped) return;
  tell(form, outcome.inSource ? Text(cannotOpen) : writeFailureText(to, outcome), about);
}

}  // namespace zarq
