#pragma once
// Reading numbers out of field texts and printing them back, the way the recorder's
// settings have always been read: the leading number counts, anything after it is ignored,
// and a text without a leading number reads as 0.

#include <string>

#include "common/text.h"

namespace zarq {

// Leading integer after optional blanks and one sign; 0 without digits; clamped to int.
int leadingInt(TextView text);

// Leading decimal number (digits, ".", exponent, never a locale's comma) after optional blanks and
// one sign; 0 if none. Past a double's range it is infinity (or 0 when tiny); "inf" and "nan"
// read as what they spell, as the recorder reads them.
double leadingDouble(TextView text);

// Round half away from zero; past the range of long long its nearest end, and 0 for NaN.
long long roundHalfAway(double value);

// Numbers as the form shows them and the recorder reads them: always with "." as the
// decimal mark and without grouping, whatever the user's locale says.
Text intText(int value);                     // "-12"
Text zeroPaddedText(int value, int width);   // "0000012" for width 7, the sign counted
Text fixedText(double value, int decimals);  // "225.00" for 2 decimals

}  // namespace zarq
