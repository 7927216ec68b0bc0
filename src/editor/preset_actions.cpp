#include "editor/preset_actions.h"

#include "editor/editing.h"
#include "editor/message_boxes.h"
#include "editor/pages.h"
#include "files/preset_file.h"
#include "form/form_preset.h"
#include "form/settings_form.h"

namespace zarq {
namespace {

void report(SettingsForm& form, bool silent, TextView text, TextView about) {
  if (!silent) tell(form, text, about);
}

bool takePreset(SettingsForm& form, const PresetRead& read, bool silent) {
  if (!read.values) {
    report(form, silent, read.failure, about::loadPreset);
    return false;
  }
  applyPreset(form, *read.values, silent);
  report(form, silent, u"加载预设成功！", about::loadPreset);
  return true;
}

}  // namespace

bool savePreset(SettingsForm& form, const std::filesystem::path& path, bool silent,
                FileOutput& output) {
  if (!writePresetFile(path, presetFromForm(form), output)) {
    report(form, silent, u"无法写入文件！", about::save);
    return false;
  }
  report(form, silent, u"保存预设成功！", about::save);
  return true;
}

bool savePreset(SettingsForm& form, const std::filesystem::path& path, bool silent) {
  DiskFileOutput output;
  return savePreset(form, path, silent, output);
}

void applyPreset(SettingsForm& form, const PresetValues& values, bool takeOutputPath) {
  putPresetIntoForm(form, values, takeOutputPath);
  showPage(form, form.currentPage);
}

bool loadPreset(SettingsForm& form, const std::filesystem::path& path, bool silent) {
  // The field being edited lets go before its value can be replaced.
  endEditing(form);
  return takePreset(form, readPresetFile(path), silent);
}

bool loadPresetBytes(SettingsForm& form, std::span<const std::uint8_t> bytes, bool silent) {
  endEditing(form);
  return takePreset(form, readPresetBytes(bytes), silent);
}

}  // namespace zarq
