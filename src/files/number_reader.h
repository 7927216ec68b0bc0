#pragma once
// The number after a chart key, read a byte at a time so that it may arrive in pieces:
// digits and minus signs (every minus makes it negative), a fraction after ".", and only
// after a fraction an exponent after "e", optionally negative. A value that starts with none
// of these reads as 0.

namespace zarq {

class NumberReader {
 public:
  // Takes the number's next byte; false when that byte ends the number (it is taken all
  // the same).
  bool take(char c);
  // The number read so far.
  double value() const;

 private:
  enum class Part { Integer, Fraction, ExponentSign, Exponent };
  Part part_ = Part::Integer;
  double number_ = 0, divisor_ = 10;
  bool negative_ = false, exponentNegative_ = false;
  int exponent_ = 0;
};

}  // namespace zarq
