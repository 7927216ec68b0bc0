#include "validate/rule_table.h"

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

}  // namespace zarq
