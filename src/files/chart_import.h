#pragma once
// Filling the form from the chart named by the chart ID.

namespace zarq {

struct SettingsForm;

// Reads "<chartId>.json" in the form's folder and fills the song name, composer, charter,
// difficulty, level, the media suffixes and the hold tempo.
void autoFillFromChart(SettingsForm& form);

}  // namespace zarq
