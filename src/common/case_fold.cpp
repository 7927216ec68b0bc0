#include "common/case_fold.h"

namespace zarq {
namespace {

// One row per run of capitals: `first` to `last` fold by adding `delta`; in an alternating
// run only every other unit, starting with `first`, is a capital (its small letter follows).
struct FoldRun {
  char16_t first, last;
  int delta;
  bool alternating;
};

constexpr FoldRun kRuns[] = {
    {0x0041, 0x005A, 32, false},     // A-Z
    {0x00B5, 0x00B5, 775, false},    // micro sign -> μ
    {0x00C0, 0x00D6, 32, false},     // À-Ö
    {0x00D8, 0x00DE, 32, false},     // Ø-Þ
    {0x0100, 0x012F, 1, true},       // Ā-į
    {0x0132, 0x0137, 1, true},       // Ĳ-ķ
    {0x0139, 0x0148, 1, true},       // Ĺ-ň
    {0x014A, 0x0177, 1, true},       // Ŋ-ŷ
    {0x0178, 0x0178, -121, false},   // Ÿ -> ÿ
    {0x0179, 0x017E, 1, true},       // Ź-ž
    {0x017F, 0x017F, -268, false},   // long s -> s
    {0x0386, 0x0386, 38, false},     // Ά
    {0x0388, 0x038A, 37, false},     // Έ-Ί
    {0x038C, 0x038C, 64, false},     // Ό
    {0x038E, 0x038F, 63, false},     // Ύ-Ώ
    {0x0391, 0x03A1, 32, false},     // Α-Ρ
    {0x03A3, 0x03AB, 32, false},     // Σ-Ϋ
    {0x03C2, 0x03C2, 1, false},      // final ς -> σ
    {0x03D8, 0x03EF, 1, true},       // Ϙ-ϯ
    {0x0400, 0x040F, 80, false},     // Ѐ-Џ
    {0x0410, 0x042F, 32, false},     // А-Я
    {0x0460, 0x0481, 1, true},       // Ѡ-ҁ
    {0x048A, 0x04BF, 1, true},       // Ҋ-ҿ
    {0x04C0, 0x04C0, 15, false},     // Ӏ
    {0x04C1, 0x04CE, 1, true},       // Ӂ-ӎ
    {0x04D0, 0x052F, 1, true},       // Ӑ-ԯ
    {0x0531, 0x0556, 48, false},     // Ա-Ֆ
    {0x1E00, 0x1E95, 1, true},       // Ḁ-ẕ
    {0x1EA0, 0x1EFF, 1, true},       // Ạ-ỿ
    {0x2126, 0x2126, -7517, false},  // Ohm sign -> ω
    {0x212A, 0x212A, -8383, false},  // Kelvin sign -> k
    {0x212B, 0x212B, -8262, false},  // Angstrom sign -> å
    {0xFF21, 0xFF3A, 32, false},     // full-width Ａ-Ｚ
};

}  // namespace

char16_t foldCase(char16_t unit) {
  for (const FoldRun& run : kRuns) {
    if (unit < run.first || unit > run.last) continue;
    if (run.alternating && (unit - run.first) % 2 != 0) return unit;
    return static_cast<char16_t>(unit + run.delta);
  }
  return unit;
}

bool equalIgnoringCase(TextView a, TextView b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i) {
    if (a[i] != b[i] && foldCase(a[i]) != foldCase(b[i])) return false;
  }
  return true;
}

}  // namespace zarq
