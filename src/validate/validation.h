#pragma once
// The validation engine: every text slot has an ordered list of rules; the first failing
// rule hangs its message in a bubble next to the field. Warnings can be closed, which
// silences that rule until the text changes.

#include <cstdint>

namespace zarq {

struct SettingsForm;

// How a slot is checked: `forced` runs its rules even when the text (and every text it depends
// on) is unchanged since the last commit; `derive` lets the slot update the slots that follow
// it (the song name into the chart screen, for example).
struct CheckHow {
  bool forced = false;
  bool derive = true;
};

// Evaluates the slot's rules, as `how` says.
void validateField(SettingsForm& form, int slot, CheckHow how = {});
// Remembers the slot's text as validated.
void commit(SettingsForm& form, int slot);
// validateField, then the slots depending on this one (0 -> 1 and 2, 30 -> 29, 45 -> 44),
// then commit.
void validateAndCommit(SettingsForm& form, int slot, CheckHow how = {});
// The slot carries a visible error.
bool hasError(const SettingsForm& form, int slot);
// The user closed the warning in bubble `record`.
void closeWarning(SettingsForm& form, int record);

// Form-level checks, each replacing its previous message.
void checkRecordParts(SettingsForm& form);
void checkLongSongName(SettingsForm& form);
void checkLongObtainedContent(SettingsForm& form);
void checkStoryboardScaleRef(SettingsForm& form);

}  // namespace zarq
