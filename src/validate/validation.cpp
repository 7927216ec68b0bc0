#include "validate/validation.h"

#include "files/kept_listing.h"
#include "form/settings_form.h"
#include "validate/bubble_anchor.h"
#include "validate/messages.h"
#include "validate/rule_table.h"

namespace zarq {
namespace {

bool differs(const SettingsForm& form, int slot) {
  return form.fields[slot].text != form.fields[slot].committedText;
}

// A slot counts as changed when its own text changed or, for the slots that read another
// slot's text, when that one did.
bool changed(const SettingsForm& form, int slot) {
  const int other = alsoReads(slot);
  return differs(form, slot) || (other >= 0 && differs(form, other));
}

// The slots whose rules read this one, in slot order.
void validateDependents(SettingsForm& form, int slot) {
  for (int dependent = 0; dependent < kFieldCount; ++dependent) {
    if (alsoReads(dependent) == slot) validateAndCommit(form, dependent);
  }
}

// Runs the rows; the first failing check, if any.
const RuleRow* firstFailure(RuleContext& context, std::span<const RuleRow> rows, bool derive) {
  for (const RuleRow& row : rows) {
    switch (row.kind) {
      case RowKind::Step:
        row.act(context);
        break;
      case RowKind::Derivation:
        if (derive) row.act(context);
        break;
      case RowKind::Pass:
        if (row.holds(context)) return nullptr;
        break;
      case RowKind::Warning:
      case RowKind::Prompt:
        if (context.field.dismissed[row.code]) break;
        [[fallthrough]];
      case RowKind::Error:
        if (row.holds(context)) return &row;
        break;
    }
  }
  return nullptr;
}

void showMessage(RuleContext& context, const RuleRow& rule) {
  const Text status = rule.statusLine ? rule.statusLine(context, rule.status) : Text(rule.status);
  const BubbleAnchor at = bubbleAnchor(context.slot, context.field);
  const BubbleContent content{.status = status,
                              .speech = rule.speech,
                              .x = at.x,
                              .y = at.y,
                              .anchor = at.anchor,
                              .code = rule.code,
                              .ownerKind = OwnerKind::TextField,
                              .ownerId = static_cast<std::int16_t>(context.slot),
                              .isError = rule.kind == RowKind::Error};
  attachFieldMessage(context.form, context.slot, content, rule.kind == RowKind::Prompt);
}

}  // namespace

void validateField(SettingsForm& form, int slot, CheckHow how) {
  if (slot < 0 || slot >= kFieldCount) return;
  TextField& field = form.fields[slot];
  if (!how.forced) {
    if (!changed(form, slot)) return;
    field.dismissed.fill(false);
  }
  const std::span<const RuleRow> rows = rulesFor(slot);
  if (rows.empty()) {
    field.bubble = kNoBubble;
    return;
  }
  releaseFieldMessage(form, slot);
  RuleContext context{form, slot, field, {}, {}, {}, {}};
  if (const RuleRow* failed = firstFailure(context, rows, how.derive)) {
    showMessage(context, *failed);
  } else {
    field.bubble = kNoBubble;
  }
}

void commit(SettingsForm& form, int slot) {
  if (slot < 0 || slot >= kFieldCount) return;
  form.fields[slot].committedText = capped(form.fields[slot].text, kFieldTextCapacity);
}

void validateAndCommit(SettingsForm& form, int slot, CheckHow how) {
  const KeptListing::Pass onePass(form.workDirListing);
  validateField(form, slot, how);
  validateDependents(form, slot);
  commit(form, slot);
}

bool hasError(const SettingsForm& form, int slot) {
  if (slot < 0 || slot >= kFieldCount) return false;
  const std::int16_t record = ownedBubble(form, slot);
  return record != kNoBubble && form.bubbles[record].visible && form.bubbles[record].isError;
}

void closeWarning(SettingsForm& form, int record) {
  if (!closeMessage(form, record)) return;
  const StatusBubble& bubble = form.bubbles[record];
  if (bubble.ownerKind != OwnerKind::TextField) return;
  const int slot = bubble.ownerId;
  if (slot < 0 || slot >= kFieldCount) return;
  if (bubble.code >= 0 && bubble.code < static_cast<int>(form.fields[slot].dismissed.size())) {
    form.fields[slot].dismissed[bubble.code] = true;
  }
  validateField(form, slot, {.forced = true});
  validateDependents(form, slot);
  commit(form, slot);
}

}  // namespace zarq
