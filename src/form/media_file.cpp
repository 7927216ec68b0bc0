#include "form/media_file.h"

#include "common/paths.h"
#include "form/settings_form.h"

namespace zarq {

std::filesystem::path mediaFile(const SettingsForm& form, int suffixSlot) {
  const Text name = form.field(slot::chartId).text + u"." + form.field(suffixSlot).text;
  return form.fileInWorkDir(pathFromText(name));
}

}  // namespace zarq
