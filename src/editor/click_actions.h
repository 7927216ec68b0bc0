#pragma once
// What a click (a press and a release on the same element) does to a bubble or a caption, and
// what follows when a check box or an option pair reports a change. None of these draws.

#include <span>

#include "common/text.h"

namespace zarq {

struct SettingsForm;

// A bubble's speech in a message box; the auto-fill offer in record 0 asks Yes or No.
void clickBubble(SettingsForm& form, int record);
// A caption's help text, or the next type of the result page's obtained-type selector.
void clickLabel(SettingsForm& form, int index);
// A check box toggled itself: what depends on it follows (a toggle that cannot stand is taken
// back with a beep).
void checkBoxToggled(SettingsForm& form, int index);
// An option of the pair was toggled: the page's checks see it.
void optionToggled(SettingsForm& form, int pair);
// The obtained-type selector moves on: "无" -> "Data" -> "曲绘" -> "文件" -> "头像" -> "无"
// (`step` -1: back, "无" -> "头像").
void cycleObtainedType(SettingsForm& form, int step = 1);
// The selector's types, in the order it moves through them.
std::span<const TextView> obtainedTypes();

}  // namespace zarq
