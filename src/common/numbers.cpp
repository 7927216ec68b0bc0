#include "common/numbers.h"

#include <algorithm>
#include <charconv>
#include <climits>
#include <cmath>
#include <limits>
#include <string_view>

namespace zarq {
namespace {

bool isBlank(char16_t c) { return c == u' ' || (c >= u'\t' && c <= u'\r'); }

// The text after leading blanks, its sign applied separately.
TextView unsignedPart(TextView text, bool& negative) {
  std::size_t i = 0;
  while (i < text.size() && isBlank(text[i])) ++i;
  negative = false;
  if (i < text.size() && (text[i] == u'+' || text[i] == u'-')) {
    negative = text[i] == u'-';
    ++i;
  }
  return text.substr(i);
}

}  // namespace

int leadingInt(TextView text) {
  bool negative;
  const TextView digits = unsignedPart(text, negative);
  long long value = 0;
  for (char16_t c : digits) {
    if (c < u'0' || c > u'9') break;
    value = value * 10 + (c - u'0');
    if (value > static_cast<long long>(INT_MAX) + 1) break;
  }
  if (negative) value = -value;
  if (value > INT_MAX) return INT_MAX;
  if (value < INT_MIN) return INT_MIN;
  return static_cast<int>(value);
}

double leadingDouble(TextView text) {
  bool negative;
  const TextView rest = unsignedPart(text, negative);
  std::string ascii;
  for (char16_t c : rest) {
    if (c >= 0x80) break;
    ascii.push_back(static_cast<char>(c));
  }
  double value = 0;
  const auto result = std::from_chars(ascii.data(), ascii.data() + ascii.size(), value);
  if (result.ec == std::errc::result_out_of_range) {
    // The reader leaves the value alone here; the recorder's reader gives infinity for
    // "1e999" and 0 for "1e-999", and 0 would let a huge volume pass every rule.
    const std::string_view number(ascii.data(), result.ptr - ascii.data());
    const auto exponent = number.find_first_of("eE");
    const bool tiny = exponent != std::string_view::npos && exponent + 1 < number.size() &&
                      number[exponent + 1] == '-';
    value = tiny ? 0.0 : std::numeric_limits<double>::infinity();
  } else if (result.ec != std::errc()) {
    return 0;
  }
  return negative ? -value : value;
}

long long roundHalfAway(double value) {
  // A preset may hold any float: beyond what a long long holds, the nearest end of it.
  constexpr double kBeyond = 0x1p63;
  if (std::isnan(value)) return 0;
  if (value >= kBeyond) return std::numeric_limits<long long>::max();
  if (value <= -kBeyond) return std::numeric_limits<long long>::min();
  return std::llround(value);
}

Text intText(int value) { return zeroPaddedText(value, 0); }

Text zeroPaddedText(int value, int width) {
  char digits[16];
  const auto end = std::to_chars(digits, digits + sizeof digits, value).ptr;
  const bool negative = value < 0;
  Text out = negative ? Text(u"-") : Text();
  const int length = static_cast<int>(end - digits);
  out.append(static_cast<std::size_t>(std::max(0, width - length)), u'0');
  out.append(digits + (negative ? 1 : 0), end);
  return out;
}

Text fixedText(double value, int decimals) {
  char digits[400];
  const auto end =
      std::to_chars(digits, digits + sizeof digits, value, std::chars_format::fixed, decimals).ptr;
  return Text(digits, end);
}

}  // namespace zarq
