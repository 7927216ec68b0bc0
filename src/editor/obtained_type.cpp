// The selector of the result page's obtained box: each click moves to the next type and
// writes the content that type usually holds.
#include "common/numbers.h"
#include "editor/click_actions.h"
#include "editor/editing.h"
#include "form/control_dependencies.h"
#include "form/field_rows.h"
#include "form/form_builder.h"
#include "form/settings_form.h"
#include "form/slot_text.h"
#include "validate/messages.h"
#include "validate/validation.h"

namespace zarq {
namespace {

constexpr TextView kTypes[] = {u"无", u"Data", u"曲绘", u"文件", u"头像"};

TextView typeAfter(TextView current, int step) {
  const int count = static_cast<int>(std::size(kTypes));
  for (int i = 0; i < count; ++i) {
    if (current == kTypes[i]) return kTypes[(i + step % count + count) % count];
  }
  return kTypes[0];  // any caption that is not a type leads to the first
}

// The data size a chart of this level typically unlocks.
TextView dataSizeForLevel(int level) {
  const struct {
    int from, to;
    TextView size;
  } sizes[] = {
      {1, 6, u"256 KB"},    {7, 9, u"512 KB"},    {10, 12, u"768 KB"},  {13, 14, u"1.00 MB"},
      {15, 15, u"1.25 MB"}, {16, 16, u"1.50 MB"}, {17, 17, u"2.00 MB"},
  };
  for (const auto& row : sizes) {
    if (level >= row.from && level <= row.to) return row.size;
  }
  return u"11.45 MB";
}

Text contentForType(const SettingsForm& form, TextView type) {
  const Text& song = form.fields[slot::songName].text;
  if (type == u"Data") return Text(dataSizeForLevel(leadingInt(form.fields[slot::level].text)));
  if (type == u"曲绘") return song + u"(New illustration)";
  if (type == u"文件") return song;
  if (type == u"头像") return u"[" + song + u"](New avatar)";
  return {};
}

}  // namespace

std::span<const TextView> obtainedTypes() { return kTypes; }

void cycleObtainedType(SettingsForm& form, int step) {
  endEditing(form);
  enableFollowers(form, kObtainedTypeChosen, true);

  const Text type(typeAfter(form.obtainedType(), step));
  placeObtainedTypeSelector(form, type);
  form.labels[label::obtainedType].shown = true;

  setSlotText(form, slot::obtainedContent, contentForType(form, type));
  validateAndCommit(form, slot::obtainedContent, false, true);

  if (type != u"无") return;
  enableFollowers(form, kObtainedTypeChosen, false);
  form.checkBoxes[box::obtainedSplit].checked = false;
  form.fields[slot::obtainedContentLine2].shown = false;
  releaseFormMessage(form, form.longContentBubble);
  releaseFieldMessage(form, slot::obtainedContentLine2);
  releaseFieldMessage(form, slot::obtainedContent);
}

}  // namespace zarq
