#include "nearest_word.h"

#include <algorithm>
#include <cctype>
#include <vector>

namespace zarq::tool {
namespace {

char folded(char c) { return static_cast<char>(std::tolower(static_cast<unsigned char>(c))); }

// Edits between the two words: insertions, deletions, substitutions and swaps of neighbours.
std::size_t editDistance(std::string_view a, std::string_view b) {
  const std::size_t width = b.size() + 1;
  std::vector<std::size_t> d((a.size() + 1) * width);
  const auto at = [&](std::size_t i, std::size_t j) -> std::size_t& { return d[i * width + j]; };
  for (std::size_t i = 0; i <= a.size(); ++i) at(i, 0) = i;
  for (std::size_t j = 0; j <= b.size(); ++j) at(0, j) = j;
  for (std::size_t i = 1; i <= a.size(); ++i) {
    for (std::size_t j = 1; j <= b.size(); ++j) {
      const std::size_t cost = folded(a[i - 1]) == folded(b[j - 1]) ? 0 : 1;
      at(i, j) = std::min({at(i - 1, j) + 1, at(i, j - 1) + 1, at(i - 1, j - 1) + cost});
      if (i > 1 && j > 1 && folded(a[i - 1]) == folded(b[j - 2]) &&
          folded(a[i - 2]) == folded(b[j - 1])) {
        at(i, j) = std::min(at(i, j), at(i - 2, j - 2) + 1);
      }
    }
  }
  return at(a.size(), b.size());
}

}  // namespace

std::optional<std::string> nearestWord(std::string_view word,
                                       std::span<const std::string> candidates) {
  // A typo is a few edits, more in a long word; beyond that a guess would only mislead.
  const std::size_t allowed = std::max<std::size_t>(1, word.size() / 3);
  std::optional<std::string> best;
  std::size_t bestDistance = allowed + 1;
  std::vector<std::string> extending;
  for (const std::string& candidate : candidates) {
    if (candidate.size() > word.size() && candidate.compare(0, word.size(), word) == 0) {
      extending.push_back(candidate);
    }
    const std::size_t distance = editDistance(word, candidate);
    if (distance < bestDistance) {
      bestDistance = distance;
      best = candidate;
    }
  }
  if (extending.size() == 1 && !word.empty()) return extending.front();
  return best;
}

}  // namespace zarq::tool
