#pragma once
// A line of text drawn in several faces: where the drawing library does not fall back to
// another font for a character its font lacks, the back end finds a face that has it, and
// the line is measured and drawn as runs of one face each, one after the other. The back end
// answers which face has a character and how a run in one face measures; the rest is here.

#include <cstddef>
#include <functional>
#include <mutex>
#include <optional>
#include <unordered_map>
#include <vector>

#include "common/text.h"
#include "platform/platform.h"

namespace zarq {

// Units [begin, end) of a text drawn in one face; face 0 is the font's own.
struct FaceRun {
  std::size_t begin = 0;
  std::size_t end = 0;
  int face = 0;
  bool operator==(const FaceRun&) const = default;
};

// A run on its line: where it starts and how far it advances, from the start of the line's
// first character.
struct PlacedRun {
  FaceRun run;
  float x = 0;
  float advance = 0;
};

// The text cut where the face of its characters changes; `faceOf` is asked once a character.
// None for an empty text.
std::vector<FaceRun> faceRuns(TextView text, const std::function<int(char32_t)>& faceOf);

// The runs one after the other, each advancing as `advanceOf(its units, its face)` says.
std::vector<PlacedRun> placeRuns(TextView text, const std::vector<FaceRun>& runs,
                                 const std::function<float(TextView, int)>& advanceOf);

// The caret positions of a text of `runs` (one a unit and one at the end), each run's own
// from `positionsOf(its units, its face)`, which start at 0.
std::vector<float> joinCaretPositions(
    TextView text, const std::vector<FaceRun>& runs,
    const std::function<std::vector<float>(TextView, int)>& positionsOf);

// Caret positions taken a character at a time: `endOf(next, start)` says where the character
// that starts at `start` and ends before unit `next` ends. The low half of a surrogate pair
// shares its character's start.
std::vector<float> caretPositionsByCharacter(TextView text,
                                             const std::function<float(std::size_t, float)>& endOf);

// Where a line `width` wide starts in `layout`, aligned so, with `margin` kept inside the
// layout's near and far edges.
float lineStart(Align align, RectF layout, float width, float margin);

// Which face of a font draws each character, found once a character and kept: the font's own
// (face 0) unless the back end names another family for it, one face a family, numbered as
// they are first needed. Blanks and control characters stay with the font's own. Shared
// between threads.
//
// `Family` names a family; `Face` is what drawing in one takes.
template <typename Family, typename Face>
class FaceChooser {
 public:
  FaceChooser(Family family, Face own) { faces_.push_back({std::move(family), std::move(own)}); }

  // `familyFor(c)` is asked once a character: the family that draws it instead of the font's
  // own, none when the font's own has it or no family has. `open(family)` is asked once a
  // family: the face drawn in, none when nothing can be drawn in it, and its characters then
  // stay with the font's own.
  int faceOf(char32_t c, const std::function<std::optional<Family>(char32_t)>& familyFor,
             const std::function<std::optional<Face>(const Family&)>& open) {
    if (c <= 0x20 || (c >= 0x7F && c <= 0xA0)) return 0;
    const std::lock_guard lock(mutex_);
    if (const auto known = chosen_.find(c); known != chosen_.end()) return known->second;
    const std::optional<Family> family = familyFor(c);
    return chosen_[c] = family ? faceOfFamily(*family, open) : 0;
  }

  // Face `index`, as faceOf has numbered it.
  Face face(int index) const {
    const std::lock_guard lock(mutex_);
    return *faces_[static_cast<std::size_t>(index)].face;
  }

 private:
  struct Opened {
    Family family;
    std::optional<Face> face;
  };
  int faceOfFamily(const Family& family,
                   const std::function<std::optional<Face>(const Family&)>& open) {
    std::size_t index = 0;
    while (index < faces_.size() && faces_[index].family != family) ++index;
    if (index == faces_.size()) faces_.push_back({family, open(family)});
    return faces_[index].face ? static_cast<int>(index) : 0;
  }

  mutable std::mutex mutex_;
  std::vector<Opened> faces_;
  std::unordered_map<char32_t, int> chosen_;
};

}  // namespace zarq
