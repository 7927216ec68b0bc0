#pragma once
// Widths measured once while the form is built, and the coordinates of the layout that
// follow from them: a place is a constant, or a constant plus a multiple of one width.

#include <cstdint>

#include "widgets/text_metrics.h"

namespace zarq {

// Tight widths at 24 pixels of the sample texts (form_layout.cpp).
struct FormLayout {
  float Ls = 0;                 // a long song name
  float durationWidth = 0;      // a chart duration
  float pauseCaptionWidth = 0;  // the pause-shadow caption
  float scoreWidth = 0;         // a seven-digit score
  float Lm = 0;                 // a long obtained content
  float Lg = 0;                 // "你获得了"
  float Lc = 0;                 // a colour component
  float Lw() const { return Ls + 20; }
  float Lo() const { return Ls - 80; }
  float Lk() const { return Lc + 20; }
};

FormLayout measureLayout(TextMetrics& metrics);

// The widths a coordinate may follow.
enum class Measured : std::uint8_t {
  None,
  Lw,
  Lo,
  Lk,
  durationWidth,
  pauseCaptionWidth,
  scoreWidth,
  Lg,
  Lm
};

// base + times x the width, so that a table can write `230 + 5 * Lw / 8` as the layout
// does. It is computed as that expression is in floats: the multiple first, then the sum.
struct Coord {
  float base = 0;
  Measured width = Measured::None;
  float times = 0;

  constexpr Coord() = default;
  constexpr Coord(float value) : base(value) {}  // NOLINT: numbers are coordinates
  constexpr Coord(float base_, Measured width_, float times_)
      : base(base_), width(width_), times(times_) {}

  float at(const FormLayout& layout) const;
};

constexpr Coord operator+(Coord c, float more) { return {c.base + more, c.width, c.times}; }
constexpr Coord operator+(float more, Coord c) { return c + more; }
constexpr Coord operator-(float from, Coord c) { return {from - c.base, c.width, -c.times}; }
constexpr Coord operator*(float factor, Coord c) {
  return {factor * c.base, c.width, factor * c.times};
}
constexpr Coord operator/(Coord c, float divisor) {
  return {c.base / divisor, c.width, c.times / divisor};
}

inline constexpr Coord Lw{0, Measured::Lw, 1};  // a text field of the opening and result pages
inline constexpr Coord Lo{0, Measured::Lo, 1};  // a field of the other settings
inline constexpr Coord Lk{0, Measured::Lk, 1};  // a colour component's field
inline constexpr Coord durationWidth{0, Measured::durationWidth, 1};
inline constexpr Coord pauseCaptionWidth{0, Measured::pauseCaptionWidth, 1};
inline constexpr Coord scoreWidth{0, Measured::scoreWidth, 1};
inline constexpr Coord Lg{0, Measured::Lg, 1};
inline constexpr Coord Lm{0, Measured::Lm, 1};

}  // namespace zarq
