#pragma once
// Reading numbers out of field texts and printing them back, the way the recorder's
// settings have always been read: the leading number counts, anything after it is ignored,
// and a text without a leading number reads as 0.

#include <string>

#include "common/text.h"

namespace zarq {

// Leading integer after optional blanks and one sign; 0 without digits; clamped to int.
int leadingInt(TextView text);

// Leading decimal number (digits, ".", exponent) after optional blanks and one sign; 0 if none.
double leadingDouble(TextView text);

// Round half away from zero.
long long roundHalfAway(double value);

// printf-style formatting into UTF-16, for the fixed formats the form uses ("%d", "%.1f",
// "%07d", "%.2lf").
Text printfText(const char* format, double value);
Text printfText(const char* format, int value);

}  // namespace zarq
