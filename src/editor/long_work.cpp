#include "editor/long_work.h"

#include "form/busy_mark.h"
#include "form/render_frame.h"
#include "form/settings_form.h"

namespace zarq {

void runLongWork(SettingsForm& form, const std::function<void()>& work) {
  beginBusyWork(form);
  form.host().runLongWork(work, [&form] { renderFrame(form); });
  endBusyWork(form);
}

bool copyAsLongWork(SettingsForm& form, const std::filesystem::path& from,
                    const std::filesystem::path& to, CopyMode mode) {
  bool copied = false;
  runLongWork(form, [&] { copied = copyFile(from, to, mode); });
  return copied;
}

}  // namespace zarq
