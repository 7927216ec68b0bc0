#include "form/media_file.h"

#include "files/file_lookup.h"
#include "form/settings_form.h"

namespace zarq {

std::filesystem::path mediaFile(const SettingsForm& form, int suffixSlot) {
  const Text name = form.field(slot::chartId).text + u"." + form.field(suffixSlot).text;
  return namedFile(form, name);
}

std::filesystem::path namedFile(const SettingsForm& form, TextView name) {
  return findFile(form.platform.files, form.workDir, name, form.workDirListing);
}

}  // namespace zarq
