#include "files/preset_file.h"

#include <algorithm>
#include <climits>
#include <fstream>

#include "common/numbers.h"
#include "form/control_dependencies.h"
#include "form/form_builder.h"
#include "form/pages.h"
#include "form/settings_form.h"
#include "image/background_preview.h"
#include "input/keyboard.h"

namespace zarq {
namespace {

constexpr char16_t kSaveTitle[] = u"Zarq Radoziro 设置填写器 - 保存";
constexpr char16_t kLoadTitle[] = u"Zarq Radoziro 设置填写器 - 加载预设";
constexpr char16_t kNoObtainedType[] = u"无";

void tell(SettingsForm& form, bool silent, TextView text, TextView title) {
  if (!silent) form.host().messageBox(text, title, MessageButtons::Ok);
}

// The focused field lets go of the keyboard before its value can be replaced. Leaving the
// blur field applies the blur typed so far to the preview.
void endEditing(SettingsForm& form) {
  if (form.interactionMode == InteractionMode::Editing) {
    const int editedSlot = form.focusedField;
    unfocusField(form, editedSlot);
    if (editedSlot == slot::backgroundBlur) {
      const long long blur = roundHalfAway(form.sliders[sliderId::blur].value);
      buildBackgroundPreview(form, static_cast<int>(std::clamp<long long>(blur, INT_MIN, INT_MAX)));
    }
  }
  form.interactionMode = InteractionMode::Idle;
}

// The selector on the result page, laid out as when the form is built, with the stored
// caption; what it offers to fill in follows it.
void setUpObtainedType(SettingsForm& form, TextView caption) {
  placeObtainedTypeSelector(form, caption);
  const bool typeChosen = form.obtainedType() != kNoObtainedType;
  enableObtainedContent(form, typeChosen);
}

// Controls that are greyed out while the part or option they belong to is off.
void applyDependentStates(SettingsForm& form) {
  enableChartPartControls(form, form.checkBoxes[box::recordChart].checked);
  enableResultPartControls(form, form.checkBoxes[box::recordResult].checked);
  enableSplitNameLine(form, form.checkBoxes[box::songNameSplit].checked);
}

// The places that ticking the name bar and the score increase give, whatever the boxes
// were before the load.
void applyDependentPositions(SettingsForm& form) {
  form.fields[slot::chartSongName].x = form.checkBoxes[box::nameBar].checked ? 197 : 185;
  CheckBox& scoreIncrease = form.checkBoxes[box::scoreIncrease];
  scoreIncrease.x = scoreIncrease.checked ? 688 : 270;
}

Text readFailure(int error) { return u"读取失败！(ERROR " + printfText("%d", error) + u")"; }

}  // namespace

PresetValues presetFromForm(const SettingsForm& form) {
  PresetValues values;
  values.version = kPresetVersion;
  for (const TextField& field : form.fields) values.texts.push_back(field.text);
  for (const CheckBox& box : form.checkBoxes) {
    values.checkBoxes.push_back(box.checked ? box.tickedByte : 0);
  }
  for (int i = 0; i < kSliderCount; ++i) values.sliders[i] = form.sliders[i].value;
  for (int i = 0; i < kOptionPairCount; ++i) {
    values.optionPairs[i] = {form.optionPairs[i].selected1, form.optionPairs[i].selected2};
  }
  values.obtainedType = form.obtainedType();
  return values;
}

void applyPreset(SettingsForm& form, const PresetValues& values, bool takeOutputPath) {
  const int slots = std::min<int>(std::ssize(values.texts), kFieldCount);
  for (int s = 0; s < slots; ++s) {
    TextField& field = form.fields[s];
    if (s != slot::outputPath || takeOutputPath) field.setText(values.texts[s]);
    field.fitText(form.metrics, true);
  }
  const int boxes = std::min<int>(std::ssize(values.checkBoxes), kCheckBoxCount);
  for (int b = 0; b < boxes; ++b) {
    const std::uint8_t stored = values.checkBoxes[b];
    form.checkBoxes[b].checked = stored != 0;
    form.checkBoxes[b].tickedByte = stored != 0 ? stored : 1;
  }
  for (int i = 0; i < kSliderCount; ++i) form.sliders[i].value = values.sliders[i];
  for (int i = 0; i < kOptionPairCount; ++i) {
    form.optionPairs[i].selected1 = values.optionPairs[i][0];
    form.optionPairs[i].selected2 = values.optionPairs[i][1];
  }
  if (values.obtainedType) setUpObtainedType(form, *values.obtainedType);
  applyDependentStates(form);
  applyDependentPositions(form);
  showPage(form, form.currentPage);
}

PresetRead readPresetFile(const std::filesystem::path& path) {
  PresetRead read;
  std::error_code ec;
  std::ifstream in;
  if (!std::filesystem::is_directory(path, ec)) in.open(path, std::ios::binary);
  if (!in.is_open()) {
    read.failure = u"无法读取文件！";
    return read;
  }
  // Nothing after the largest version is ever read, however long the file is.
  std::vector<std::uint8_t> bytes(maxPresetSize());
  in.read(reinterpret_cast<char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
  if (in.bad()) {
    read.failure = u"无法读取文件！";
    return read;
  }
  bytes.resize(static_cast<std::size_t>(in.gcount()));
  in.close();

  PresetDecoded decoded = decodePreset(bytes);
  if (decoded.error != 0) {
    read.failure = readFailure(decoded.error);
    return read;
  }
  read.values = std::move(decoded.values);
  return read;
}

bool savePreset(SettingsForm& form, const std::filesystem::path& path, bool silent,
                FileOutput& output) {
  const std::vector<std::uint8_t> bytes = encodePreset(presetFromForm(form));
  if (!writeFileAtomically(path, bytes, output)) {
    tell(form, silent, u"无法写入文件！", kSaveTitle);
    return false;
  }
  tell(form, silent, u"保存预设成功！", kSaveTitle);
  return true;
}

bool savePreset(SettingsForm& form, const std::filesystem::path& path, bool silent) {
  StreamFileOutput output;
  return savePreset(form, path, silent, output);
}

bool loadPreset(SettingsForm& form, const std::filesystem::path& path, bool silent) {
  endEditing(form);
  const PresetRead read = readPresetFile(path);
  if (!read.values) {
    tell(form, silent, read.failure, kLoadTitle);
    return false;
  }
  applyPreset(form, *read.values, silent);
  tell(form, silent, u"加载预设成功！", kLoadTitle);
  return true;
}

}  // namespace zarq
