#include "editor/split_lines.h"

#include <algorithm>

#include "editor/editing.h"
#include "editor/refusal.h"
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
  validateAndCommit(form, lines.second, false, true);
}

// Enter in line 1: the text left of the caret stays, the rest goes to line 2, which takes
// the keyboard with its caret at the start.
void splitAtFirstLineCaret(SettingsForm& form, LinePair lines, TextView source) {
  splitInto(form, lines, source, form.fields[lines.first].caret);
  refitAndValidate(form, lines);
  unfocusField(form, lines.first);
  TextField& second = form.fields[lines.second];
  second.focused = true;
  second.caret = 0;
  second.scroll = 0;
  second.fitText(form.metrics, true);
  form.focusedField = static_cast<std::int16_t>(lines.second);
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

// The two lines of the obtained content as one text, cut to a field's capacity. (Enter
// acts only while neither line has an error, and each line's error starts at 91 units.)
Text joinedObtainedContent(const SettingsForm& form) {
  return capped(
      form.fields[slot::obtainedContent].text + form.fields[slot::obtainedContentLine2].text,
      kFieldTextCapacity);
}

}  // namespace

void enterInFocusedField(SettingsForm& form) {
  const LinePair songName{slot::splitNameLine1, slot::splitNameLine2};
  const LinePair obtained{slot::obtainedContent, slot::obtainedContentLine2};
  switch (form.focusedField) {
    case slot::splitNameLine1:
      if (hasError(form, slot::splitNameLine1)) return refuseKey(form);
      splitAtFirstLineCaret(form, songName, form.fields[slot::songName].text);
      break;
    case slot::splitNameLine2:
      if (hasError(form, slot::splitNameLine1) || hasError(form, slot::splitNameLine2)) {
        return refuseKey(form);
      }
      splitAtSecondLineCaret(form, songName, form.fields[slot::songName].text);
      break;
    case slot::obtainedContent:
      if (!form.checkBoxes[box::obtainedSplit].checked) return refuseKey(form);
      if (hasError(form, slot::obtainedContent)) return;
      splitAtFirstLineCaret(form, obtained, joinedObtainedContent(form));
      break;
    case slot::obtainedContentLine2:
      if (!form.checkBoxes[box::obtainedSplit].checked) return refuseKey(form);
      if (hasError(form, slot::obtainedContent) || hasError(form, slot::obtainedContentLine2)) {
        return;
      }
      splitAtSecondLineCaret(form, obtained, joinedObtainedContent(form));
      break;
    default:
      return refuseKey(form);
  }
  renderFrame(form);
}

}  // namespace zarq
