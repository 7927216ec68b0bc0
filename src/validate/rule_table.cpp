#include "validate/rule_table.h"

#include <array>

namespace zarq {
namespace {

using SlotTable = std::array<SlotRules, kFieldCount>;

SlotTable collectTables() {
  SlotTable table{};
  for (int slot = 0; slot < kFieldCount; ++slot) table[slot].slot = slot;
  for (auto page :
       {page1Rules(), page2Rules(), page3Rules(), page4Rules(), page5Rules(), fullScoreRules()}) {
    for (const SlotRules& rules : page) table[rules.slot] = rules;
  }
  return table;
}

const SlotTable& tables() {
  static const SlotTable table = collectTables();
  return table;
}

}  // namespace

bool RuleContext::wider(TextView value, TextView sample, float sizePx) const {
  return form.metrics.measureText(value, sizePx) > form.metrics.measureText(sample, sizePx);
}

std::span<const RuleRow> rulesFor(int slot) {
  if (slot < 0 || slot >= kFieldCount) return {};
  return tables()[slot].rows;
}

int alsoReads(int slot) {
  if (slot < 0 || slot >= kFieldCount) return -1;
  return tables()[slot].alsoReads;
}

}  // namespace zarq
