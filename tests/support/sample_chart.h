#pragma once
// A chart as the chart editor writes it: every key the auto-fill reads, and two BPM
// entries (a mean of 180).

#include <string>

namespace zarq::testing {

inline const std::string kSampleChart = R"json({
  "ZarqVersion" : 120,
  "name": "Sigma (Haocore Mix)", "composer": "曲师A", "charter": "谱师B",
  "level": "HD Lv14", "background": "cover.jpg", "song": "music.Ogg",
  "judgeLineList": [ {"bpm" : 120, "notes": []}, {"bpm": 240} ]
})json";

}  // namespace zarq::testing
