#pragma once
// What a click (a press and a release on the same element) does to each kind of widget.
// None of these draws; the release handler draws once the action is done.

namespace zarq {

struct SettingsForm;

// A bubble's speech in a message box; the auto-fill offer in record 0 asks Yes or No.
void clickBubble(SettingsForm& form, int record);
// A caption's help text, or the next type of the result page's obtained-type selector.
void clickLabel(SettingsForm& form, int index);
// Toggles the box and applies what depends on it.
void clickCheckBox(SettingsForm& form, int index);
// Toggles one box of an option pair; the quality pair always has exactly one selected.
void clickOption(SettingsForm& form, int pair, bool first);
// The obtained-type selector moves on: "无" -> "Data" -> "曲绘" -> "文件" -> "头像" -> "无".
void cycleObtainedType(SettingsForm& form);

}  // namespace zarq
