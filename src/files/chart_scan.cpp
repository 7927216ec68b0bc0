#include "files/chart_scan.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <vector>

#include "common/utf.h"
#include "files/atomic_file.h"

namespace zarq {
namespace {

bool isDigit(int c) { return c >= '0' && c <= '9'; }

constexpr std::size_t kBlockSize = ChartStream::kBlockSize;

bool isLineEnd(char c) { return c == '\n' || c == '\r'; }

// The bytes the stripping has to look at, outside a string and inside one.
using StopBytes = std::array<bool, 256>;
constexpr StopBytes stopBytes(std::string_view bytes) {
  StopBytes stops{};
  for (const char c : bytes) stops[static_cast<unsigned char>(c)] = true;
  return stops;
}
constexpr StopBytes kStopsOutside = stopBytes(" \t\r\n\"");
constexpr StopBytes kStopsInString = stopBytes("\r\n\"\\");

}  // namespace

ChartStream::ChartStream(std::FILE* file, std::size_t blockSize, Strip strip, const StopFlag* stop)
    : file_(file),
      stop_(stop),
      block_(std::max<std::size_t>(blockSize, 1)),
      strip_(strip == Strip::Yes) {
  rewind();
}

bool ChartStream::refill() {
  if (!file_) return false;
  pos_ = 0;
  if (stop_ && *stop_) {
    failed_ = true;
    window_ = {};
    return false;
  }
  // A block of blanks strips to nothing: the next one is read until bytes remain.
  for (;;) {
    const std::size_t count = std::fread(block_.data(), 1, block_.size(), file_);
    window_ = std::string_view(block_.data(), count);
    if (count == 0) {
      failed_ = failed_ || std::ferror(file_) != 0;
      return false;
    }
    if (!strip_) return true;
    stripped_.clear();
    minifier_.feed(window_, stripped_);
    window_ = stripped_;
    if (!stripped_.empty()) return true;
  }
}

bool ChartStream::atEnd() { return pos_ >= window_.size() && !refill(); }

int ChartStream::get() { return atEnd() ? -1 : static_cast<unsigned char>(window_[pos_++]); }

int ChartStream::peek() { return atEnd() ? -1 : static_cast<unsigned char>(window_[pos_]); }

void ChartStream::rewind() {
  pos_ = 0;
  if (!file_) return;
  std::rewind(file_);
  window_ = {};
  minifier_ = {};
}

std::string_view ChartStream::ahead() {
  if (atEnd()) return {};
  return window_.substr(pos_);
}

void ChartMinifier::feed(std::string_view piece, std::string& out) {
  std::size_t at = 0;
  while (at < piece.size()) {
    if (escaped_) {
      // The byte after a backslash is copied unexamined, but a line end still ends the
      // string and is dropped.
      escaped_ = false;
      const char c = piece[at++];
      if (isLineEnd(c)) {
        inString_ = false;
      } else {
        out.push_back(c);
      }
      continue;
    }
    // Bytes that need no thought are copied a run at a time.
    const StopBytes& stops = inString_ ? kStopsInString : kStopsOutside;
    const std::size_t run = at;
    while (at < piece.size() && !stops[static_cast<unsigned char>(piece[at])]) ++at;
    out.append(piece.data() + run, at - run);
    if (at == piece.size()) break;
    const char c = piece[at++];
    if (!inString_) {
      // A blank or a line end outside a string is dropped; a quote starts a string.
      if (c == '"') {
        out.push_back(c);
        inString_ = true;
      }
    } else if (isLineEnd(c)) {
      // A line end never belongs to a string: it ends the string and is dropped.
      inString_ = false;
    } else {
      out.push_back(c);
      escaped_ = c == '\\';
      inString_ = c != '"';
    }
  }
}

std::string minifyChart(std::string_view chart) {
  std::string out;
  out.reserve(chart.size());
  ChartMinifier().feed(chart, out);
  return out;
}

WriteOutcome minifyChartFile(const std::filesystem::path& chart,
                             const std::filesystem::path& minified, FileSystem& files,
                             const StopFlag* stop) {
  FileSystem::Handle in = 0;
  if (const FileError error = files.openForReading(chart, in); error != FileError::None) {
    return {error, true};
  }
  ChartMinifier minifier;
  std::vector<std::uint8_t> block(kBlockSize);
  std::string stripped;
  const WriteOutcome outcome = writeFileAtomically(files, minified, [&](ByteSink& out) {
    for (;;) {
      if (stop && *stop) return FileError::Stopped;
      std::size_t got = 0;
      if (const FileError error = files.read(in, block, got); error != FileError::None) {
        return error;
      }
      if (got == 0) return FileError::None;
      stripped.clear();
      minifier.feed(std::string_view(reinterpret_cast<const char*>(block.data()), got), stripped);
      const auto* bytes = reinterpret_cast<const std::uint8_t*>(stripped.data());
      if (const FileError error = out.write({bytes, stripped.size()}); error != FileError::None) {
        return error;
      }
    }
  });
  // Read to its end by now: a chart that fails to close changes nothing written.
  files.close(in);
  return outcome;
}

bool findKey(ChartStream& stream, std::string_view key) {
  if (key.empty()) return true;
  std::size_t matched = 0;
  while (!stream.atEnd()) {
    if (matched == 0) {
      // Bytes other than the key's first one cannot start a match: skip them in one go.
      const std::string_view ahead = stream.ahead();
      const void* next = std::memchr(ahead.data(), key[0], ahead.size());
      if (next == nullptr) {
        stream.skip(ahead.size());
        continue;
      }
      stream.skip(static_cast<std::size_t>(static_cast<const char*>(next) - ahead.data()) + 1);
      matched = 1;
    } else if (stream.get() == static_cast<unsigned char>(key[matched])) {
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
