#include "form/settings_form.h"

#include <algorithm>

namespace zarq {

SettingsForm::SettingsForm(const Platform& platform_, std::filesystem::path workDir_)
    : platform(platform_), metrics(platform_.text), workDir(std::move(workDir_)) {
  const std::uint32_t opaqueBlack = 0xFF000000;
  std::fill(previewBitmap.pixelBuffer(), previewBitmap.pixelBuffer() + kFrameWidth * kFrameHeight,
            opaqueBlack);
}

const Text& SettingsForm::obtainedType() const { return labels[label::obtainedType].caption; }

}  // namespace zarq
