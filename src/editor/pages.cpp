#include "editor/pages.h"

#include "form/form_builder.h"
#include "form/settings_form.h"
#include "form/slider_link.h"
#include "validate/messages.h"
#include "validate/validation.h"

namespace zarq {
namespace {

constexpr std::int32_t kArrowDuration = 200;

void resetInteraction(SettingsForm& form) {
  form.interactionMode = InteractionMode::Idle;
  form.focusedField = 0;
  form.mouseX = 0;
  form.mouseY = 0;
  form.currentPage = 1;
  const std::int32_t arrowX[kArrowCount] = {85, 859};
  for (int i = 0; i < kArrowCount; ++i) {
    PageArrow& arrow = form.arrows[i];
    arrow = PageArrow{};
    arrow.x = arrowX[i];
    arrow.y = 340;
    arrow.duration = kArrowDuration;
    arrow.maxScale = 1.2;
    arrow.startTime = -kArrowDuration;
  }
}

void measureLayout(SettingsForm& form) {
  auto tight = [&](TextView text) { return form.metrics.measureTextTight(text, 24); };
  FormLayout& l = form.layout;
  l.Ls = tight(u"Sigma (Haocore Mix)  ~ Regrets of The Yellow  ");
  l.Ld = tight(u"200.0秒");
  l.Lp = tight(u"暂停后方阴影");
  l.Lz = tight(u"0000000");
  l.Lm = tight(u"You are the Miserable(New ");
  l.Lg = tight(u"你获得了");
  l.Lc = tight(u"255");
}

void showRange(auto& pool, int first, int last) {
  for (int i = first; i <= last; ++i) pool[i].shown = true;
}

void showAndValidate(SettingsForm& form, int first, int last) {
  for (int slot = first; slot <= last; ++slot) {
    form.fields[slot].shown = true;
    validateAndCommit(form, slot, false, false);
  }
}

// Slots that are shown but whose validation is not followed by their dependents.
void showValidateCommit(SettingsForm& form, int slot) {
  form.fields[slot].shown = true;
  validateField(form, slot, false, false);
  commit(form, slot);
}

void hideEverything(SettingsForm& form) {
  for (TextField& field : form.fields) {
    field.shown = false;
    // Every slot counts as changed, so the page's rules run again and closed warnings
    // come back.
    field.committedText.assign(1, u'\t');
  }
  for (CheckBox& box : form.checkBoxes) box.shown = false;
  for (FieldLabel& label : form.labels) label.shown = false;
  for (Slider& slider : form.sliders) slider.shown = false;
  for (OptionPair& pair : form.optionPairs) pair.shown = false;
  releaseAllMessages(form);
}

void showBasicPage(SettingsForm& form) {
  showAndValidate(form, slot::chartId, slot::resultVolume);
  showRange(form.labels, label::titleBasic, label::resultVolume);
  showRange(form.checkBoxes, box::recordOpening, box::recordResult);
  showRange(form.sliders, 0, kSliderCount - 1);
  checkRecordParts(form);
}

void showOpeningPage(SettingsForm& form) {
  showAndValidate(form, slot::songName, slot::frameRate);
  showValidateCommit(form, slot::superscript);
  showValidateCommit(form, slot::subscript);
  showRange(form.labels, label::titleOpening, label::quality);
  form.labels[label::superscript].shown = true;
  form.labels[label::subscript].shown = true;
  form.optionPairs[pair::quality].shown = true;
}

void showChartPage(SettingsForm& form) {
  showAndValidate(form, slot::chartSongName, slot::chartDuration);
  showRange(form.checkBoxes, box::pauseShadow, box::nameBar);
  showRange(form.labels, label::titleChart, label::chartDuration);
}

void showResultPage(SettingsForm& form) {
  const bool scoreIncrease = form.checkBoxes[box::scoreIncrease].checked;
  const bool songNameSplit = form.checkBoxes[box::songNameSplit].checked;
  for (int slot = slot::avatar; slot <= slot::splitNameLine2; ++slot) {
    const bool scoreSlot = slot >= slot::originalScore && slot <= slot::resultFullScore;
    if (scoreSlot && !scoreIncrease) continue;
    if (slot == slot::splitNameLine2 && !songNameSplit) continue;
    showAndValidate(form, slot, slot);
  }
  showValidateCommit(form, slot::obtainedText);
  showRange(form.checkBoxes, box::scoreIncrease, box::obtainedSplit);
  showRange(form.labels, label::titleResult, label::obtainedBox);
  showRange(form.labels, label::songNameSplit, label::obtainedType);

  form.fields[slot::obtainedContent].shown = true;
  if (form.obtainedType() != u"无") {
    validateField(form, slot::obtainedContent, false, false);
    commit(form, slot::obtainedContent);
  }
  if (form.checkBoxes[box::obtainedSplit].checked) {
    form.fields[slot::obtainedContentLine2].shown = true;
    validateField(form, slot::obtainedContentLine2, true, true);
    validateAndCommit(form, slot::obtainedContent, false, true);
    commit(form, slot::obtainedContentLine2);
  }
  checkLongSongName(form);
}

void showOtherPage(SettingsForm& form) {
  for (int slot = slot::judgeLineThickness; slot <= slot::hitEffectColorB; ++slot) {
    if (slot != slot::outputPath) showAndValidate(form, slot, slot);
  }
  showValidateCommit(form, slot::pauseUiScale);
  showValidateCommit(form, slot::nameBarUiScale);
  showRange(form.labels, label::titleOther, label::hitEffectColor);
  showRange(form.labels, label::pauseUiScale, label::nameBarUiScale);
  form.checkBoxes[box::textExpression].shown = true;
  form.optionPairs[pair::mirror].shown = true;
  form.optionPairs[pair::storyboardScaleRef].shown = true;
  checkStoryboardScaleRef(form);
}

void showUiTextPage(SettingsForm& form) {
  showAndValidate(form, slot::uiLoading, slot::remarks);
  showValidateCommit(form, slot::uiSyncing);
  showValidateCommit(form, slot::uiSynced);
  showRange(form.labels, label::titleUiText, label::remarks);
  showRange(form.labels, label::uiSyncing, label::uiSynced);
}

}  // namespace

void buildForm(SettingsForm& form) {
  resetInteraction(form);

  placeBasicFields(form);
  for (int slot = slot::chartId; slot <= slot::resultVolume; ++slot) form.fields[slot].shown = true;
  // The linked slots are still empty, equal to their committed text, and so skipped here.
  for (int slot = 0; slot < kFieldCount; ++slot) {
    if (form.fields[slot].shown) validateAndCommit(form, slot, false, true);
  }

  placeBasicControls(form);
  showRange(form.checkBoxes, box::recordOpening, box::recordResult);
  showRange(form.labels, label::titleBasic, label::resultVolume);
  for (int i = 0; i < kSliderCount; ++i) {
    form.sliders[i].shown = true;
    showSliderValue(form, i);
  }

  measureLayout(form);
  buildOpeningPage(form);
  buildChartPage(form);
  buildResultPage(form);
  buildOtherPage(form);
  buildUiTextPage(form);
}

void showPage(SettingsForm& form, int n) {
  form.interactionMode = InteractionMode::Idle;
  form.currentPage = static_cast<std::int16_t>(n);
  hideEverything(form);
  switch (n) {
    case 1:
      showBasicPage(form);
      break;
    case 2:
      showOpeningPage(form);
      break;
    case 3:
      showChartPage(form);
      break;
    case 4:
      showResultPage(form);
      break;
    case 5:
      showOtherPage(form);
      break;
    case 6:
      showUiTextPage(form);
      break;
    default:
      break;
  }
}

}  // namespace zarq
