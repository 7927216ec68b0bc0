// The checks that concern check boxes and option pairs rather than one text field. Each
// replaces its previous message; none of them is remembered as dismissed.

#include "form/settings_form.h"
#include "validate/messages.h"
#include "validate/validation.h"

namespace zarq {
namespace {

constexpr char16_t kSongNameSample[] = u"Sigma (Haocore Mix)  ~ Regrets of The Yellow  ";
constexpr char16_t kObtainedSample[] = u"You are the Miserable(New ";
constexpr char16_t kNotForcing[] = u"建议你用，如果你实在不想分我也不拦着你。";

}  // namespace

void checkRecordParts(SettingsForm& form) {
  const auto& boxes = form.checkBoxes;
  const CheckBox& middle = boxes[box::recordChart];
  const bool nothingRecorded = !boxes[box::recordOpening].checked() &&
                               !boxes[box::recordChart].checked() &&
                               !boxes[box::recordResult].checked();
  replaceFormMessage(
      form, form.recordPartsBubble, nothingRecorded,
      {true, u"错误：请至少选择一项！", u"你究竟想要录什么捏", middle.x, middle.y + middle.size / 2,
       Align::Centre, OwnerKind::CheckBox, box::recordChart});
}

void checkLongSongName(SettingsForm& form) {
  const CheckBox& split = form.checkBoxes[box::songNameSplit];
  const bool tooLong =
      !split.checked() && form.metrics.measureText(form.fields[slot::songName].text, 24) >=
                              form.metrics.measureText(kSongNameSample, 24);
  replaceFormMessage(
      form, form.longNameBubble, tooLong,
      {false, u"警告：曲名较长，应使用分行！", kNotForcing, split.x - split.size / 2,
       split.y + split.size / 2, Align::Near, OwnerKind::CheckBox, box::songNameSplit});
}

void checkLongObtainedContent(SettingsForm& form) {
  const CheckBox& split = form.checkBoxes[box::obtainedSplit];
  const bool tooLong = form.metrics.measureText(form.fields[slot::obtainedContent].text, 24) >=
                       form.metrics.measureText(kObtainedSample, 24);
  replaceFormMessage(
      form, form.longContentBubble, tooLong,
      {false, u"警告：已获得内容文本较长，应使用分行！", kNotForcing, split.x - split.size / 2,
       split.y - split.size / 2 - 30, Align::Near, OwnerKind::CheckBox, box::obtainedSplit});
}

void checkStoryboardScaleRef(SettingsForm& form) {
  const OptionPair& axes = form.optionPairs[pair::storyboardScaleRef];
  replaceFormMessage(
      form, form.storyboardBubble, !axes.selected1() && !axes.selected2(),
      {true, u"错误：至少选择一项！", u"请至少选择一项哦~", axes.x, axes.y + axes.height,
       Align::Near, OwnerKind::OptionPair, pair::storyboardScaleRef});
}

}  // namespace zarq
