#include "files/chart_scan.h"

#include <algorithm>
#include <array>
#include <cstdio>
#include <cstring>
#include <vector>

#if defined(__SSE2__) && defined(__GNUC__)
#include <immintrin.h>
#endif

#include "files/atomic_file.h"
#include "files/number_reader.h"

namespace zarq {
namespace {

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
  const std::size_t before = out.size();
  out.resize(before + piece.size());
  const char* end = feed(piece, out.data() + before);
  out.resize(static_cast<std::size_t>(end - out.data()));
}

char* ChartMinifier::feed(std::string_view piece, char* out) {
  const std::size_t fast = stripSixteens(piece.data(), piece.size(), out);
  return stripBytes(piece.data() + fast, piece.size() - fast, out);
}

char* ChartMinifier::stripBytes(const char* in, std::size_t count, char* out) {
  std::size_t at = 0;
  while (at < count) {
    if (escaped_) {
      // The byte after a backslash is copied unexamined, but a line end still ends the
      // string and is dropped.
      escaped_ = false;
      const char c = in[at++];
      if (isLineEnd(c)) {
        inString_ = false;
      } else {
        *out++ = c;
      }
      continue;
    }
    // Bytes that need no thought are copied a run at a time.
    const StopBytes& stops = inString_ ? kStopsInString : kStopsOutside;
    const std::size_t run = at;
    while (at < count && !stops[static_cast<unsigned char>(in[at])]) ++at;
    std::memcpy(out, in + run, at - run);
    out += at - run;
    if (at == count) break;
    const char c = in[at++];
    if (!inString_) {
      // A blank or a line end outside a string is dropped; a quote starts a string.
      if (c == '"') {
        *out++ = c;
        inString_ = true;
      }
    } else if (isLineEnd(c)) {
      // A line end never belongs to a string: it ends the string and is dropped.
      inString_ = false;
    } else {
      *out++ = c;
      escaped_ = c == '\\';
      inString_ = c != '"';
    }
  }
  return out;
}

#if defined(__SSE2__) && defined(__GNUC__)

namespace {
// For each set of kept bytes among eight, the shuffle that moves them to the front (0x80
// clears a byte), and how many there are.
struct KeptBytes {
  std::uint64_t shuffle[256];
  std::uint8_t count[256];
};

constexpr KeptBytes keptBytes() {
  KeptBytes kept{};
  for (int mask = 0; mask < 256; ++mask) {
    std::uint64_t shuffle = 0;
    int n = 0;
    for (int bit = 0; bit < 8; ++bit) {
      if ((mask & (1 << bit)) != 0) shuffle |= std::uint64_t(bit) << (8 * n++);
    }
    for (int rest = n; rest < 8; ++rest) shuffle |= std::uint64_t{0x80} << (8 * rest);
    kept.shuffle[mask] = shuffle;
    kept.count[mask] = static_cast<std::uint8_t>(n);
  }
  return kept;
}

constexpr KeptBytes kKeptBytes = keptBytes();

bool hasSsse3() {
  static const bool supported = __builtin_cpu_supports("ssse3");
  return supported;
}

}  // namespace

// Sixteen bytes at a time: which lie in strings follows from the quotes before them, and the
// kept ones are moved together by a byte shuffle. Sixteen bytes with a backslash, or with a
// line end in a string, are left to stripBytes.
__attribute__((target("ssse3"))) std::size_t ChartMinifier::stripSixteens(const char* in,
                                                                          std::size_t count,
                                                                          char*& out) {
  if (!hasSsse3()) return 0;
  const auto matches = [](__m128i bytes, char c) {
    return static_cast<unsigned>(_mm_movemask_epi8(_mm_cmpeq_epi8(bytes, _mm_set1_epi8(c))));
  };
  std::size_t at = 0;
  for (; at + 16 <= count; at += 16) {
    const __m128i bytes = _mm_loadu_si128(reinterpret_cast<const __m128i*>(in + at));
    const unsigned quotes = matches(bytes, '"');
    const unsigned lineEnds = matches(bytes, '\n') | matches(bytes, '\r');
    // Whether each byte lies in a string: the state before the sixteen, changed by every
    // quote before the byte.
    unsigned parity = quotes ^ quotes << 1;
    parity ^= parity << 2;
    parity ^= parity << 4;
    parity ^= parity << 8;
    const unsigned inString = ((parity ^ quotes) ^ (inString_ ? 0xFFFF : 0)) & 0xFFFF;
    if (escaped_ || matches(bytes, '\\') != 0 || (lineEnds & inString) != 0) {
      out = stripBytes(in + at, 16, out);
      continue;
    }
    if ((parity & 0x8000) != 0) inString_ = !inString_;
    const unsigned blanks = matches(bytes, ' ') | matches(bytes, '\t') | lineEnds;
    const unsigned keep = ~(blanks & ~inString) & 0xFFFF;
    const unsigned low = keep & 0xFF, high = keep >> 8;
    const __m128i shuffle =
        _mm_set_epi64x(static_cast<long long>(kKeptBytes.shuffle[high] + 0x0808080808080808),
                       static_cast<long long>(kKeptBytes.shuffle[low]));
    const __m128i kept = _mm_shuffle_epi8(bytes, shuffle);
    _mm_storel_epi64(reinterpret_cast<__m128i*>(out), kept);
    out += kKeptBytes.count[low];
    _mm_storel_epi64(reinterpret_cast<__m128i*>(out), _mm_unpackhi_epi64(kept, kept));
    out += kKeptBytes.count[high];
  }
  return at;
}

#else

std::size_t ChartMinifier::stripSixteens(const char*, std::size_t, char*&) { return 0; }

#endif

std::string minifyChart(std::string_view chart) {
  std::string out;
  out.reserve(chart.size());
  ChartMinifier().feed(chart, out);
  return out;
}

WriteOutcome minifyChartFile(const std::filesystem::path& chart,
                             const std::filesystem::path& minified, FileSystem& files,
                             KeyScan* scan, const StopFlag* stop) {
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
      if (got == 0) {
        if (scan) scan->finish(stripped);
        return FileError::None;
      }
      // What the scan held back of the last block is written already.
      const std::size_t written = scan ? stripped.size() : 0;
      if (!scan) stripped.clear();
      minifier.feed(std::string_view(reinterpret_cast<const char*>(block.data()), got), stripped);
      const auto* bytes = reinterpret_cast<const std::uint8_t*>(stripped.data()) + written;
      if (const FileError error = out.write({bytes, stripped.size() - written});
          error != FileError::None) {
        return error;
      }
      if (scan) stripped.erase(0, scan->feed(stripped));
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
  NumberReader number;
  for (int c = stream.get(); c != -1 && number.take(static_cast<char>(c)); c = stream.get()) {
  }
  return number.value();
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
  destination = scannedText(bytes);
  return true;
}

}  // namespace zarq
