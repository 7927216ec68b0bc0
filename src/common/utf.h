#pragma once
// Conversions between UTF-8 (files, GTK, the command line) and UTF-16 (the core).

#include <optional>
#include <string>
#include <string_view>

#include "common/text.h"

namespace zarq {

// Strict decoding: nullopt for malformed input (bad lead or continuation bytes, overlong
// forms, surrogates encoded in UTF-8, code points above U+10FFFF). Characters outside the
// Basic Multilingual Plane become surrogate pairs.
std::optional<Text> decodeUtf8(std::string_view bytes);

// Lenient decoding for text from the platform: malformed sequences become U+FFFD.
Text fromUtf8(std::string_view bytes);

// Encoding; an unpaired surrogate becomes U+FFFD.
std::string toUtf8(TextView text);

// Appends one code point's UTF-8 form, whatever it is (a lone surrogate too).
void appendUtf8(std::string& out, char32_t cp);

}  // namespace zarq
