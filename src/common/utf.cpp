#include "common/utf.h"

#include <cstdint>

namespace zarq {
namespace {

constexpr char16_t kReplacement = 0xFFFD;

// Decodes one code point at `i`; returns false for a malformed sequence (i then points
// past the first byte so a lenient caller can resynchronise).
bool decodeOne(std::string_view s, std::size_t& i, char32_t& out) {
  const auto lead = static_cast<unsigned char>(s[i++]);
  if (lead < 0x80) {
    out = lead;
    return true;
  }
  int extra;
  char32_t minimum;
  if ((lead & 0xE0) == 0xC0) {
    extra = 1;
    out = lead & 0x1F;
    minimum = 0x80;
  } else if ((lead & 0xF0) == 0xE0) {
    extra = 2;
    out = lead & 0x0F;
    minimum = 0x800;
  } else if ((lead & 0xF8) == 0xF0) {
    extra = 3;
    out = lead & 0x07;
    minimum = 0x10000;
  } else {
    return false;
  }
  std::size_t j = i;
  for (int k = 0; k < extra; ++k, ++j) {
    if (j >= s.size()) return false;
    const auto c = static_cast<unsigned char>(s[j]);
    if ((c & 0xC0) != 0x80) return false;
    out = (out << 6) | (c & 0x3F);
  }
  if (out < minimum || out > 0x10FFFF || (out >= 0xD800 && out <= 0xDFFF)) return false;
  i = j;
  return true;
}

void appendUtf16(Text& out, char32_t cp) {
  if (cp < 0x10000) {
    out.push_back(static_cast<char16_t>(cp));
  } else {
    cp -= 0x10000;
    out.push_back(static_cast<char16_t>(0xD800 + (cp >> 10)));
    out.push_back(static_cast<char16_t>(0xDC00 + (cp & 0x3FF)));
  }
}

}  // namespace

std::optional<Text> decodeUtf8(std::string_view bytes) {
  Text out;
  out.reserve(bytes.size());
  std::size_t i = 0;
  while (i < bytes.size()) {
    char32_t cp;
    if (!decodeOne(bytes, i, cp)) return std::nullopt;
    appendUtf16(out, cp);
  }
  return out;
}

Text fromUtf8(std::string_view bytes) {
  Text out;
  out.reserve(bytes.size());
  std::size_t i = 0;
  while (i < bytes.size()) {
    char32_t cp;
    if (decodeOne(bytes, i, cp)) {
      appendUtf16(out, cp);
    } else {
      out.push_back(kReplacement);
    }
  }
  return out;
}

void appendUtf8(std::string& out, char32_t cp) {
  if (cp < 0x80) {
    out.push_back(static_cast<char>(cp));
  } else if (cp < 0x800) {
    out.push_back(static_cast<char>(0xC0 | (cp >> 6)));
    out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
  } else if (cp < 0x10000) {
    out.push_back(static_cast<char>(0xE0 | (cp >> 12)));
    out.push_back(static_cast<char>(0x80 | ((cp >> 6) & 0x3F)));
    out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
  } else {
    out.push_back(static_cast<char>(0xF0 | (cp >> 18)));
    out.push_back(static_cast<char>(0x80 | ((cp >> 12) & 0x3F)));
    out.push_back(static_cast<char>(0x80 | ((cp >> 6) & 0x3F)));
    out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
  }
}

std::string toUtf8(TextView text) {
  std::string out;
  out.reserve(text.size() * 3);
  for (std::size_t i = 0; i < text.size(); ++i) {
    char32_t cp = text[i];
    if (cp >= 0xD800 && cp <= 0xDBFF && i + 1 < text.size() && text[i + 1] >= 0xDC00 &&
        text[i + 1] <= 0xDFFF) {
      cp = 0x10000 + ((cp - 0xD800) << 10) + (text[i + 1] - 0xDC00);
      ++i;
    } else if (cp >= 0xD800 && cp <= 0xDFFF) {
      cp = kReplacement;
    }
    appendUtf8(out, cp);
  }
  return out;
}

}  // namespace zarq
