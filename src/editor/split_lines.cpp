#include "editor/split_lines.h"

#include <algorithm>

#include "editor/editing.h"
#include "editor/refusal.h"
#include "form/field_rows.h"
#include "form/render_frame.h"
#include "form/settings_form.h"
#include "validate/validation.h"

namespace zarq {
namespace {

struct LinePair {
  int first, second;
};

// Line 1 becomes the first `at` units of the source, line 2 the rest; a character is never
// cut in two.
void splitInto(SettingsForm& form, LinePair lines, TextView source, int at) {
  const std::size_t cut = characterBoundary(source, static_cast<std::size_t>(std::max(at, 0)));
  form.fields[lines.first].setText(source.substr(0, cut));
  form.fields[lines.second].setText(source.substr(cut));
}

void refitAndValidate(SettingsForm& form, LinePair lines) {
  form.fields[lines.first].fitText(form.metrics, true);
  form.fields[lines.second].fitText(form.metrics, true);
  validateAndCommit(form, lines.second);
}

// Enter in line 1: the text left of the caret stays, the rest goes to line 2, which takes
// the keyboard with its caret at the start.
void splitAtFirstLineCaret(SettingsForm& form, LinePair lines, TextView source) {
  splitInto(form, lines, source, form.fields[lines.first].caret);
  refitAndValidate(form, lines);
  TextField& second = beginEditing(form, lines.second);
  second.caret = 0;
  second.scroll = 0;
  second.fitText(form.metrics, true);
}

// Enter in line 2: the text left of its caret moves up to the end of line 1.
void splitAtSecondLineCaret(SettingsForm& form, LinePair lines, TextView source) {
  TextField& second = form.fields[lines.second];
  splitInto(form, lines, source, form.fields[lines.first].length() + second.caret);
  second.caret = 0;
  // Line 2 now starts where its caret was; a scrolled run would hide the caret.
  second.scroll = 0;
  refitAndValidate(form, lines);
}

Text songName(const SettingsForm& form) { return form.fields[slot::songName].text; }

// The two lines of the obtained content as one text, cut to a field's capacity. (Enter
// acts only while neither line has an error, and each line's error starts at 91 units.)
Text joinedObtainedContent(const SettingsForm& form) {
  return capped(
      form.fields[slot::obtainedContent].text + form.fields[slot::obtainedContentLine2].text,
      kFieldTextCapacity);
}

// The texts that run over two fields, and how Enter meets them.
struct TwoLineText {
  LinePair lines;
  Text (*source)(const SettingsForm&);  // the whole text the lines are cut from
  int box;                              // Enter acts only while it is ticked (or kAlways)
  bool bellOnError;                     // an error rings the bell, or Enter does nothing
};

constexpr TwoLineText kTwoLineTexts[] = {
    {{slot::splitNameLine1, slot::splitNameLine2}, songName, kAlways, true},
    {{slot::obtainedContent, slot::obtainedContentLine2},
     joinedObtainedContent,
     box::obtainedSplit,
     false},
};

const TwoLineText* twoLineTextOf(int slot) {
  for (const TwoLineText& text : kTwoLineTexts) {
    if (text.lines.first == slot || text.lines.second == slot) return &text;
  }
  return nullptr;
}

}  // namespace

void enterInFocusedField(SettingsForm& form) {
  const int slot = form.focusedField;
  const TwoLineText* text = twoLineTextOf(slot);
  if (!text) return refuseKey(form);
  if (text->box != kAlways && !form.checkBoxes[text->box].checked()) return refuseKey(form);
  // Line 1 is cut at its caret while it has no error; line 2 hands its start up to line 1
  // while neither line has one.
  const bool inFirstLine = slot == text->lines.first;
  if (hasError(form, text->lines.first) || (!inFirstLine && hasError(form, text->lines.second))) {
    if (text->bellOnError) refuseKey(form);
    return;
  }
  if (inFirstLine) {
    splitAtFirstLineCaret(form, text->lines, text->source(form));
  } else {
    splitAtSecondLineCaret(form, text->lines, text->source(form));
  }
  requestFrame(form);
}

}  // namespace zarq
