#include "validate/rule_table.h"

#include <algorithm>
#include <array>

namespace zarq {
namespace {

using SlotTable = std::array<std::span<const RuleRow>, kFieldCount>;

SlotTable collectTables() {
  SlotTable table{};
  for (auto page :
       {page1Rules(), page2Rules(), page3Rules(), page4Rules(), page5Rules(), fullScoreRules()}) {
    for (const SlotRules& rules : page) table[rules.slot] = rules.rows;
  }
  return table;
}

}  // namespace

bool RuleContext::wider(TextView value, TextView sample, float sizePx) const {
  return form.metrics.measureText(value, sizePx) > form.metrics.measureText(sample, sizePx);
}

std::span<const RuleRow> rulesFor(int slot) {
  static const SlotTable table = collectTables();
  if (slot < 0 || slot >= kFieldCount) return {};
  return table[slot];
}

std::int16_t ownedBubble(const SettingsForm& form, int slot) {
  const std::int16_t record = form.fields[slot].bubble;
  if (record < 0 || record >= kBubbleCount) return kNoBubble;
  const StatusBubble& bubble = form.bubbles[record];
  if (bubble.ownerKind != OwnerKind::TextField || bubble.ownerId != slot) return kNoBubble;
  return record;
}

void setSlotText(SettingsForm& form, int slot, TextView value) {
  TextField& field = form.fields[slot];
  field.setText(value);
  // The caret of a field that is not being edited may now lie past the new end.
  field.caret = std::min<std::int16_t>(field.caret, static_cast<std::int16_t>(field.length()));
  field.scroll = std::min(field.scroll, field.caret);
  field.fitText(form.metrics, true);
}

void releaseSlotBubble(SettingsForm& form, int slot) {
  if (const std::int16_t record = ownedBubble(form, slot); record != kNoBubble) {
    form.bubbles[record].visible = false;
  }
  form.fields[slot].bubble = kNoBubble;
}

}  // namespace zarq
