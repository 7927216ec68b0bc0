#pragma once
// Byte-level scanning of chart files. A chart is never parsed as a whole: the editor looks
// for a few fixed keys in its bytes.
//
// A key is an exact byte sequence: a number key is a quote, the name, a quote and a colon
// ("bpm":), a string key also ends with the value's opening quote ("name":").

#include <cstddef>
#include <cstdio>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "common/text.h"
#include "files/atomic_file.h"
#include "files/key_scan.h"

namespace zarq {

// Strips a chart handed over in pieces of any size exactly as minifyChart strips it whole.
class ChartMinifier {
 public:
  // Appends the stripped piece to `out`.
  void feed(std::string_view piece, std::string& out);
  // Writes the stripped piece from `out` on, which has room for the whole piece; returns the
  // end of what it wrote.
  char* feed(std::string_view piece, char* out);

 private:
  // Strips `count` bytes from `in` one at a time into `out`; returns the end of what it wrote.
  char* stripBytes(const char* in, std::size_t count, char* out);
  // The same sixteen at a time where the processor can; returns where it stopped.
  std::size_t stripSixteens(const char* in, std::size_t count, char*& out);

  bool inString_ = false;
  bool escaped_ = false;  // the last byte was a backslash inside a string
};

// Whether a stream hands out a file's bytes as they are or stripped as minifyChart strips
// them, as its stripped copy would hold them.
enum class Strip { No, Yes };

// A chart's bytes with a read position; every operation continues from the position, and
// a caller that wants the first occurrence of a key rewinds first. A chart in a file is read
// a block at a time, so that however large it is only one block is ever held.
class ChartStream {
 public:
  static constexpr std::size_t kBlockSize = 1 << 16;

  // A chart held in memory.
  explicit ChartStream(std::string_view bytes) : window_(bytes) {}
  // A chart read from an open file, from its start, `blockSize` bytes at a time.
  // A set `stop` ends it as if the file failed there.
  explicit ChartStream(std::FILE* file, std::size_t blockSize = kBlockSize, Strip strip = Strip::No,
                       const StopFlag* stop = nullptr);

  // True once reading the file failed: what came before its end is all that was seen.
  bool failed() const { return failed_; }
  bool atEnd();
  // The next byte, or -1 at the end.
  int get();
  // The next byte without taking it, or -1 at the end.
  int peek();
  void rewind();
  // The bytes from the position on that are at hand: at least one unless at the end.
  std::string_view ahead();
  // Moves on by `count` bytes of `ahead()`.
  void skip(std::size_t count) { pos_ += count; }

 private:
  bool refill();

  std::FILE* file_ = nullptr;
  const StopFlag* stop_ = nullptr;
  std::vector<char> block_;
  bool strip_ = false;
  ChartMinifier minifier_;
  std::string stripped_;  // the block stripped, when stripping
  std::string_view window_;
  std::size_t pos_ = 0;
  bool failed_ = false;
};

// The chart without insignificant whitespace (the content of "runfile.txt").
std::string minifyChart(std::string_view chart);
// The same from file to file, a block at a time, the copy written atomically; the outcome
// says whether the chart could not be read or the copy could not be written, or `stop` was
// set. With `scan`, the stripped bytes are scanned too as they are written.
WriteOutcome minifyChartFile(const std::filesystem::path& chart,
                             const std::filesystem::path& minified, FileSystem& files,
                             KeyScan* scan = nullptr, const StopFlag* stop = nullptr);

// Advances past the next occurrence of `key`; false when the end comes first.
bool findKey(ChartStream& stream, std::string_view key);

// The number starting at the stream's position; the byte that ends it is consumed.
double readKeyNumber(ChartStream& stream);

// Finds `key` from the stream's position and decodes the string value after it into
// `destination` (as scannedText). Returns false, leaving `destination` alone, when the key
// does not occur.
bool readKeyString(ChartStream& stream, std::string_view key, Text& destination);

}  // namespace zarq
