#pragma once
// Filling the form from a chart: from the chart the chart ID names in the editor's folder,
// or from a chart folder the user picks.

#include <filesystem>

#include "common/text.h"

namespace zarq {

struct SettingsForm;

// The chart's stripped copy the auto-fill leaves in the editor's folder.
inline constexpr char kRunFile[] = "runfile.txt";

// A chart larger than any recorder reads (256 MB) is refused, with a message titled
// `about`, before anything is copied or stripped from it. True when it was refused.
bool refuseHugeChart(SettingsForm& form, const std::filesystem::path& chart, TextView about);

// Reads "<chart ID>.json" from the editor's folder, leaves its stripped copy in
// "runfile.txt" and fills the hold tempo, the media suffixes, the song name, composer,
// charter, difficulty and level.
void autoFillFromChart(SettingsForm& form);
// Lets the user pick a chart folder; copies its chart, illustration and music into the
// editor's folder under the chart ID (the folder's name, shortened where too long), sets the chart
// ID and fills the form as the auto-fill does.
void importChartFolder(SettingsForm& form);

}  // namespace zarq
