#pragma once
// Byte-level scanning of chart files. A chart is never parsed as a whole: the editor looks
// for a few fixed keys in its bytes.
//
// A key is an exact byte sequence: a number key is a quote, the name, a quote and a colon
// ("bpm":), a string key also ends with the value's opening quote ("name":").

#include <cstddef>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

#include "common/text.h"

namespace zarq {

// A chart's bytes with a read position; every operation continues from the position, and
// a caller that wants the first occurrence of a key rewinds first.
struct ChartStream {
  std::string_view bytes;
  std::size_t pos = 0;

  bool atEnd() const { return pos >= bytes.size(); }
  // The next byte, or -1 at the end.
  int get() { return atEnd() ? -1 : static_cast<unsigned char>(bytes[pos++]); }
  void rewind() { pos = 0; }
};

// The whole file, or nullopt when it cannot be opened.
std::optional<std::string> readChartFile(const std::filesystem::path& file);

// The chart without insignificant whitespace (the content of "runfile.txt").
std::string minifyChart(std::string_view chart);

// Advances past the next occurrence of `key`; false when the end comes first.
bool findKey(ChartStream& stream, std::string_view key);

// The number starting at the stream's position; the byte that ends it is consumed.
double readKeyNumber(ChartStream& stream);

// Finds `key` from the stream's position and decodes the string value after it into
// `destination` (cut to kScannedValueCapacity units). Returns false, leaving `destination`
// alone, when the key does not occur. Invalid UTF-8 gives an empty text and one line on
// stderr.
bool readKeyString(ChartStream& stream, std::string_view key, Text& destination);

}  // namespace zarq
