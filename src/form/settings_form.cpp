#include "form/settings_form.h"

#include "form/render_frame.h"

namespace zarq {

SettingsForm::SettingsForm(const Platform& platform_, std::filesystem::path workDir_)
    : platform(platform_),
      metrics(platform_.text),
      workDir(std::move(workDir_)),
      workDirHold(platform_.files.holdFolder(workDir)),
      preview(platform_.images, [this] { renderFrameLater(*this, 0); }) {}

const Text& SettingsForm::obtainedType() const { return labels[label::obtainedType].caption; }

ControlRef SettingsForm::focusedControl() const {
  if (interactionMode == InteractionMode::Editing) return {ControlRef::Kind::Field, focusedField};
  return focus;
}

}  // namespace zarq
