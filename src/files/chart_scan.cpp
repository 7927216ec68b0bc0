#include "files/chart_scan.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstring>

#include "common/utf.h"
#include "platform/file_system.h"

namespace zarq {
namespace {

bool isDigit(int c) { return c >= '0' && c <= '9'; }

}  // namespace

std::optional<std::string> readChartFile(const std::filesystem::path& file) {
  // Only regular files: a folder reads as nothing, and a pipe or a device could hold the
  // editor up for ever.
  const FileHandle in = openRegularFile(file);
  if (!in) return std::nullopt;
  std::string bytes;
  char buffer[1 << 16];
  while (const std::size_t n = std::fread(buffer, 1, sizeof buffer, in.get())) {
    bytes.append(buffer, n);
  }
  if (std::ferror(in.get())) return std::nullopt;
  return bytes;
}

std::string minifyChart(std::string_view chart) {
  std::string out;
  out.reserve(chart.size());
  bool inString = false;
  for (std::size_t i = 0; i < chart.size(); ++i) {
    const char c = chart[i];
    const bool lineEnd = c == '\n' || c == '\r';
    if (!inString) {
      if (lineEnd || c == ' ' || c == '\t') continue;
      out.push_back(c);
      inString = c == '"';
      continue;
    }
    // A line end never belongs to a string: it ends the string and is dropped.
    if (lineEnd) {
      inString = false;
      continue;
    }
    out.push_back(c);
    if (c == '\\') {
      if (i + 1 == chart.size()) break;
      const char escaped = chart[++i];
      if (escaped == '\n' || escaped == '\r') {
        inString = false;
        continue;
      }
      out.push_back(escaped);
    } else if (c == '"') {
      inString = false;
    }
  }
  return out;
}

bool findKey(ChartStream& stream, std::string_view key) {
  if (key.empty()) return true;
  std::size_t matched = 0;
  const std::string_view bytes = stream.bytes;
  while (!stream.atEnd()) {
    if (matched == 0) {
      // Bytes other than the key's first one cannot start a match: skip them in one go.
      const void* next = std::memchr(bytes.data() + stream.pos, key[0], bytes.size() - stream.pos);
      if (next == nullptr) {
        stream.pos = bytes.size();
        return false;
      }
      stream.pos = static_cast<std::size_t>(static_cast<const char*>(next) - bytes.data()) + 1;
      matched = 1;
    } else if (bytes[stream.pos++] == key[matched]) {
      ++matched;
    } else {
      // The mismatching byte is not tried as the start of a new match.
      matched = 0;
      continue;
    }
    if (matched == key.size()) return true;
  }
  return false;
}

double readKeyNumber(ChartStream& stream) {
  double value = 0;
  bool negative = false;
  int c = stream.get();
  while (isDigit(c) || c == '-') {
    if (c == '-') {
      negative = true;
    } else {
      value = value * 10 + (c - '0');
    }
    c = stream.get();
  }
  if (c == '.') {
    double divisor = 10;
    c = stream.get();
    while (isDigit(c)) {
      value += (c - '0') / divisor;
      divisor *= 10;
      c = stream.get();
    }
    if (c == 'e') {
      bool exponentNegative = false;
      c = stream.get();
      if (c == '-') {
        exponentNegative = true;
        c = stream.get();
      }
      int exponent = 0;
      while (isDigit(c)) {
        if (exponent < 10000) exponent = exponent * 10 + (c - '0');
        c = stream.get();
      }
      // Zero stays zero, whatever the exponent (0 times infinity would not).
      if (value != 0) {
        const double power = std::pow(10.0, exponent);
        value = exponentNegative ? value / power : value * power;
      }
    }
  }
  return negative ? -value : value;
}

bool readKeyString(ChartStream& stream, std::string_view key, Text& destination) {
  if (!findKey(stream, key)) return false;
  std::string bytes;
  for (int c = stream.get(); c != -1 && c != '"' && c != '\n' && c != '\r'; c = stream.get()) {
    if (c == '\\') {
      c = stream.get();
      if (c == -1) break;
    }
    bytes.push_back(static_cast<char>(c));
  }
  std::optional<Text> decoded = decodeUtf8(bytes);
  if (!decoded) {
    std::fputs("zarq: a chart string is not valid UTF-8\n", stderr);
    destination.clear();
    return true;
  }
  destination = capped(*decoded, kScannedValueCapacity);
  return true;
}

}  // namespace zarq
