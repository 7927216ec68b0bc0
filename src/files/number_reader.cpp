#include "files/number_reader.h"

#include <cmath>

namespace zarq {
namespace {

bool isDigit(char c) { return c >= '0' && c <= '9'; }

}  // namespace

bool NumberReader::take(char c) {
  switch (part_) {
    case Part::Integer:
      if (isDigit(c)) {
        number_ = number_ * 10 + (c - '0');
      } else if (c == '-') {
        negative_ = true;
      } else if (c == '.') {
        part_ = Part::Fraction;
      } else {
        return false;
      }
      return true;
    case Part::Fraction:
      if (isDigit(c)) {
        number_ += (c - '0') / divisor_;
        divisor_ *= 10;
      } else if (c == 'e') {
        part_ = Part::ExponentSign;
      } else {
        return false;
      }
      return true;
    case Part::ExponentSign:
    case Part::Exponent:
      if (c == '-' && part_ == Part::ExponentSign) {
        exponentNegative_ = true;
      } else if (isDigit(c)) {
        // Far past the range of a double already: more digits change nothing.
        if (exponent_ < 10000) exponent_ = exponent_ * 10 + (c - '0');
      } else {
        return false;
      }
      part_ = Part::Exponent;
      return true;
  }
  return false;
}

double NumberReader::value() const {
  double value = number_;
  // Zero stays zero, whatever the exponent (0 times infinity would not).
  if (part_ >= Part::ExponentSign && value != 0) {
    const double power = std::pow(10.0, exponent_);
    value = exponentNegative_ ? value / power : value * power;
  }
  return negative_ ? -value : value;
}

}  // namespace zarq
