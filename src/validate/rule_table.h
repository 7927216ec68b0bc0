#pragma once
// The shape of the rule tables. Each slot has one table: its rows run in order, and the
// first check whose condition holds gives the slot its message. Derivations (keeping other
// slots in step) and side steps sit in the table at the point where they run.

#include <cstdint>
#include <span>

#include "common/numbers.h"
#include "common/text.h"
#include "files/chart_version.h"
#include "form/settings_form.h"
#include "form/slot_text.h"
#include "platform/file_system.h"
#include "platform/platform.h"
#include "validate/messages.h"

namespace zarq {

// What one validation of one slot sees; file rules leave what they read for later rows.
struct RuleContext {
  SettingsForm& form;
  int slot;
  TextField& field;
  std::optional<FileIdentity> chartIdentity;  // the chart file as it was before it was opened
  FileHandle chart;                           // the chart file, once opened
  ChartVersion chartVersion;                  // read from the chart, once opened
  ImageSize image;                            // the size of the image the slot names, once loaded

  const Text& text() const { return field.text; }
  int length() const { return field.length(); }
  const Text& textOf(int other) const { return form.fields[other].text; }
  bool ticked(int box) const { return form.checkBoxes[box].checked(); }
  // measureText of `value` strictly wider than that of `sample`, both at `sizePx`.
  bool wider(TextView value, TextView sample, float sizePx) const;
};

enum class RowKind : std::uint8_t {
  Error,
  Warning,     // skipped while dismissed[code] is set
  Prompt,      // the auto-fill offer: closable like a warning, always in record 0
  Pass,        // the slot passes when the condition holds; later rows are not run
  Step,        // always runs when reached
  Derivation,  // runs when reached and derivations were asked for
};

using Condition = bool (*)(RuleContext&);
using Action = void (*)(RuleContext&);
// Builds the status line of a rule from its format (for lines that name a file).
using StatusLine = Text (*)(RuleContext&, TextView format);

struct RuleRow {
  RowKind kind;
  std::int16_t code = 0;
  Condition holds = nullptr;
  const char16_t* status = u"";
  const char16_t* speech = u"";
  Action act = nullptr;
  StatusLine statusLine = nullptr;

  // The same row with a status line built from its format when the rule fails.
  constexpr RuleRow namingFile(StatusLine build) const {
    RuleRow row = *this;
    row.statusLine = build;
    return row;
  }
};

constexpr RuleRow error(std::int16_t code, Condition holds, const char16_t* status,
                        const char16_t* speech) {
  return {RowKind::Error, code, holds, status, speech};
}
constexpr RuleRow warning(std::int16_t code, Condition holds, const char16_t* status,
                          const char16_t* speech) {
  return {RowKind::Warning, code, holds, status, speech};
}
constexpr RuleRow prompt(std::int16_t code, const char16_t* status, const char16_t* speech) {
  return {RowKind::Prompt, code, [](RuleContext&) { return true; }, status, speech};
}
constexpr RuleRow passWhen(Condition holds) { return {RowKind::Pass, 0, holds}; }
constexpr RuleRow step(Action act) { return {RowKind::Step, 0, nullptr, u"", u"", act}; }
constexpr RuleRow derive(Action act) { return {RowKind::Derivation, 0, nullptr, u"", u"", act}; }

struct SlotRules {
  int slot;
  std::span<const RuleRow> rows;
  // A slot whose text the rows read too: its change counts as a change of this slot, and
  // checking it checks this slot again.
  int alsoReads = -1;
};

// The tables, page by page.
std::span<const SlotRules> page1Rules();
std::span<const SlotRules> page2Rules();
std::span<const SlotRules> page3Rules();
std::span<const SlotRules> page4Rules();
std::span<const SlotRules> page5Rules();
std::span<const SlotRules> fullScoreRules();

// Speeches shared by the result page: S1 for an empty text, S2 for one that is too long.
inline constexpr char16_t kWriteSomething[] = u"多少写上点东西";
inline constexpr char16_t kOverfilled[] = u"哇！塞了这么多字进来，框框都要被撑爆啦（吓）";

// The rows of a slot; empty for the slots without rules.
std::span<const RuleRow> rulesFor(int slot);
// The other slot the slot's rules read, or -1.
int alsoReads(int slot);

// Conditions shared by many tables.
inline bool isEmpty(RuleContext& c) { return c.text().empty(); }
template <int N>
bool longerThan(RuleContext& c) {
  return c.length() > N;
}
// The number the text starts with, read as the recorder reads it; 0 when there is none.
inline double numberOf(const RuleContext& c) { return leadingDouble(c.text()); }
// A "nan" lies beyond every bound, so the range rules report it instead of letting it pass.
template <int N>
bool numberBelow(RuleContext& c) {
  return !(numberOf(c) >= N);
}
template <int N>
bool numberAbove(RuleContext& c) {
  return !(numberOf(c) <= N);
}
template <int N>
bool numberAtMost(RuleContext& c) {
  return !(numberOf(c) > N);
}
template <int N>
bool numberAtLeast(RuleContext& c) {
  return !(numberOf(c) < N);
}
inline bool numberIsZero(RuleContext& c) { return numberOf(c) == 0; }
// The same for the integer the text starts with.
template <int N>
bool integerAbove(RuleContext& c) {
  return leadingInt(c.text()) > N;
}
template <int N>
bool integerBelow(RuleContext& c) {
  return leadingInt(c.text()) < N;
}

}  // namespace zarq
