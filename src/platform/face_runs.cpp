#include "platform/face_runs.h"

namespace zarq {

std::vector<FaceRun> faceRuns(TextView text, const std::function<int(char32_t)>& faceOf) {
  std::vector<FaceRun> runs;
  for (std::size_t at = 0; at < text.size();) {
    const std::size_t begin = at;
    const int face = faceOf(codePointAt(text, at));
    at = nextCharacter(text, at);
    if (!runs.empty() && runs.back().face == face) {
      runs.back().end = at;
    } else {
      runs.push_back({begin, at, face});
    }
  }
  return runs;
}

std::vector<PlacedRun> placeRuns(TextView text, const std::vector<FaceRun>& runs,
                                 const std::function<float(TextView, int)>& advanceOf) {
  std::vector<PlacedRun> placed;
  float x = 0;
  for (const FaceRun& run : runs) {
    const float advance = advanceOf(text.substr(run.begin, run.end - run.begin), run.face);
    placed.push_back({run, x, advance});
    x += advance;
  }
  return placed;
}

std::vector<float> joinCaretPositions(
    TextView text, const std::vector<FaceRun>& runs,
    const std::function<std::vector<float>(TextView, int)>& positionsOf) {
  std::vector<float> positions(text.size() + 1, 0.f);
  float x = 0;
  for (const FaceRun& run : runs) {
    const std::vector<float> inRun =
        positionsOf(text.substr(run.begin, run.end - run.begin), run.face);
    for (std::size_t i = 0; i < inRun.size(); ++i) positions[run.begin + i] = x + inRun[i];
    x += inRun.back();
  }
  return positions;
}

std::vector<float> caretPositionsByCharacter(
    TextView text, const std::function<float(std::size_t, float)>& endOf) {
  std::vector<float> positions(text.size() + 1, 0.f);
  for (std::size_t at = 0, next = 0; at < text.size(); at = next) {
    next = nextCharacter(text, at);
    if (next > at + 1) positions[at + 1] = positions[at];
    positions[next] = endOf(next, positions[at]);
  }
  return positions;
}

float lineStart(Align align, RectF layout, float width, float margin) {
  switch (align) {
    case Align::Centre:
      return layout.x + (layout.w - width) / 2;
    case Align::Far:
      return layout.x + layout.w - margin - width;
    case Align::Near:
      break;
  }
  return layout.x + margin;
}

}  // namespace zarq
