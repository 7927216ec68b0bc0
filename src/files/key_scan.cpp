#include "files/key_scan.h"

#include <algorithm>
#include <array>
#include <cstdio>
#include <cstring>

#include "common/utf.h"
#include "files/chart_fill.h"

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace zarq {
namespace {

enum ScanIndex { kTempoCount, kTempoRead, kBackground, kCharter, kComposer, kLevel, kName, kSong };

// More entries than this are not kept: a pass of their own reads them again instead.
constexpr std::size_t kMaxKeptTempos = std::size_t{1} << 20;
// A key is matched only when all its bytes are at hand, or the chart ends.
constexpr std::size_t kLongestKey = 14;

// The quotes among the first `count` of `size` bytes that are followed by one of `seconds`,
// handed to `visit` in order; near the end, every quote.
template <class Visit>
void forEachQuoteBefore(const char* bytes, std::size_t count, std::size_t size,
                        const std::array<char, 6>& seconds, Visit visit) {
  std::size_t block = 0;
#if defined(__SSE2__)
  const __m128i quote = _mm_set1_epi8('"');
  __m128i each[6];
  for (std::size_t i = 0; i < seconds.size(); ++i) each[i] = _mm_set1_epi8(seconds[i]);
  for (; block + 17 <= size && block < count; block += 16) {
    const __m128i sixteen = _mm_loadu_si128(reinterpret_cast<const __m128i*>(bytes + block));
    const __m128i after = _mm_loadu_si128(reinterpret_cast<const __m128i*>(bytes + block + 1));
    __m128i wanted = _mm_cmpeq_epi8(after, each[0]);
    for (std::size_t i = 1; i < seconds.size(); ++i) {
      wanted = _mm_or_si128(wanted, _mm_cmpeq_epi8(after, each[i]));
    }
    unsigned mask = static_cast<unsigned>(
        _mm_movemask_epi8(_mm_and_si128(_mm_cmpeq_epi8(sixteen, quote), wanted)));
    if (count - block < 16) mask &= (1u << (count - block)) - 1;
    for (; mask != 0; mask &= mask - 1)
      visit(block + static_cast<std::size_t>(__builtin_ctz(mask)));
  }
#endif
  for (; block < count; ++block) {
    if (bytes[block] == '"') visit(block);
  }
}

}  // namespace

KeyScan::KeyScan() {
  const struct {
    std::string_view key;
    Reading value;
  } keys[] = {
      {"\"bpm\":", Reading::Done},
      {"\"bpm\":", Reading::Number},
      {"\"background\":\"", Reading::String},
      {"\"charter\":\"", Reading::String},
      {"\"composer\":\"", Reading::String},
      {"\"level\":\"", Reading::String},
      {"\"name\":\"", Reading::String},
      {"\"song\":\"", Reading::String},
  };
  for (const auto& k : keys) {
    bySecond_[static_cast<unsigned char>(k.key[1])] |= 1u << scans_.size();
    Scan scan;
    scan.key = k.key;
    scan.value = k.value;
    scans_.push_back(std::move(scan));
  }
  updateActive();
}

std::size_t KeyScan::feed(std::string_view bytes) { return scan(bytes, false); }

void KeyScan::finish(std::string_view bytes) { scan(bytes, true); }

void KeyScan::updateActive() {
  active_ = 0;
  for (std::size_t i = 0; i < scans_.size(); ++i) {
    if (scans_[i].reading != Reading::Done) active_ |= 1u << i;
  }
}

std::size_t KeyScan::scan(std::string_view bytes, bool atEnd) {
  bytes_ = bytes.data();
  size_ = bytes.size();
  limit_ = atEnd ? size_ : size_ - std::min(size_, kLongestKey);
  // Values cut short by the last call's end go on.
  for (Scan& s : scans_) {
    if (s.reading == Reading::Number || s.reading == Reading::String) readValue(s);
  }
  // A quote followed by anything but another quote or a key's second byte makes every key
  // fail on that byte, on which none can start: it changes nothing, and is passed over.
  std::array<char, 6> seconds;
  seconds.fill('"');
  std::size_t wanted = 1;
  for (int c = 0; c < 256; ++c) {
    if ((bySecond_[c] & active_) != 0) seconds[wanted++] = static_cast<char>(c);
  }
  forEachQuoteBefore(bytes_, limit_, size_, seconds, [&](std::size_t at) { atQuote(at); });
  if (atEnd) {
    for (Scan& s : scans_) {
      if (s.reading == Reading::Number) endNumber(s);
      if (s.reading == Reading::String) endString(s);
      s.reading = Reading::Done;
    }
  }
  start_ += static_cast<long long>(limit_);
  return limit_;
}

void KeyScan::atQuote(std::size_t at) {
  const long long position = start_ + static_cast<long long>(at);
  if (position < allNext_) return;
  // The chart ends after the quote: no key matches any more.
  if (at + 1 == size_) return;
  const char second = bytes_[at + 1];
  if (const unsigned candidates = bySecond_[static_cast<unsigned char>(second)] & active_) {
    tryKeys(at, candidates);
  } else if (second == '"') {
    // Every key that tries here fails on the second quote and consumes it; a key whose last
    // try ended on this quote may still start at the second.
    for (Scan& s : scans_) {
      if (s.reading == Reading::Key && s.next <= position) s.next = position + 2;
    }
    return;
  }
  // Every key that tried here consumed the byte after the quote, and a key that did not
  // try cannot start there, not a quote: none starts before the byte after that.
  allNext_ = position + 2;
}

// Keys other than the candidates fail on the byte after the quote, as atQuote has them.
void KeyScan::tryKeys(std::size_t at, unsigned candidates) {
  const long long position = start_ + static_cast<long long>(at);
  const char* bytes = bytes_ + at;
  const std::size_t there = size_ - at;
  bool changed = false;
  for (; candidates != 0; candidates &= candidates - 1) {
    Scan& s = scans_[static_cast<std::size_t>(__builtin_ctz(candidates))];
    if (s.reading != Reading::Key || position < s.next) continue;
    const std::size_t length = s.key.size();
    std::size_t matched = 0;
    while (matched < length && matched < there && bytes[matched] == s.key[matched]) ++matched;
    if (matched == there && matched < length) {
      // The chart ends inside the key: it occurs no more.
      s.reading = Reading::Done;
      changed = true;
    } else if (matched < length) {
      // The mismatching byte is consumed with the try.
      s.next = position + static_cast<long long>(matched) + 1;
    } else {
      ++s.matches;
      s.next = s.valueAt = position + static_cast<long long>(length);
      s.reading = s.value == Reading::Done ? Reading::Key : s.value;
      if (s.reading != Reading::Key) readValue(s);
      changed = changed || s.reading == Reading::Done;
    }
  }
  if (changed) updateActive();
}

void KeyScan::readValue(Scan& s) {
  const long long offset = s.valueAt - start_;
  // The value may start in the bytes held back for the next call.
  if (offset > static_cast<long long>(limit_)) return;
  const char* from = bytes_ + offset;
  const std::size_t available = limit_ - static_cast<std::size_t>(offset);
  const std::size_t taken = s.reading == Reading::Number ? readNumber(s, from, available)
                                                         : readString(s, from, available);
  s.valueAt += static_cast<long long>(taken);
  if (s.reading == Reading::Key) s.next = s.valueAt;
}

std::size_t KeyScan::readNumber(Scan& s, const char* at, std::size_t available) {
  for (std::size_t i = 0; i < available; ++i) {
    if (!s.number.take(at[i])) {
      endNumber(s);
      return i + 1;
    }
  }
  return available;
}

void KeyScan::endNumber(Scan& s) {
  if (tempos_.size() <= kMaxKeptTempos) tempos_.push_back(s.number.value());
  s.number = {};
  s.reading = Reading::Key;
}

// As readKeyString: up to an unescaped quote or a line end, a backslash taking the next byte
// as it is.
std::size_t KeyScan::readString(Scan& s, const char* at, std::size_t available) {
  for (std::size_t i = 0; i < available; ++i) {
    const char c = at[i];
    if (s.escaped) {
      s.escaped = false;
    } else if (c == '\\') {
      s.escaped = true;
      continue;
    } else if (c == '"' || c == '\n' || c == '\r') {
      endString(s);
      return i + 1;
    }
    s.collected.push_back(c);
  }
  return available;
}

Text scannedText(std::string_view bytes) {
  std::optional<Text> decoded = decodeUtf8(bytes);
  if (!decoded) {
    std::fputs("zarq: a chart string is not valid UTF-8\n", stderr);
    return {};
  }
  if (const std::size_t nul = decoded->find(u'\0'); nul != Text::npos) decoded->resize(nul);
  return capped(*decoded, kScannedValueCapacity);
}

void KeyScan::endString(Scan& s) {
  s.text = scannedText(s.collected);
  s.collected = std::string();
  s.found = true;
  // Only the first occurrence counts.
  s.reading = Reading::Done;
  updateActive();
}

bool KeyScan::temposOverflowed() const { return tempos_.size() > kMaxKeptTempos; }

ChartValues KeyScan::values() const {
  ChartValues v;
  // Summed as value / n in file order over the n entries the count found; where the reads
  // ran out before n, the missing values read as 0, as readKeyNumber reads at the end.
  const long long n = scans_[kTempoCount].matches;
  if (n > 0 && !temposOverflowed()) {
    double mean = 0;
    for (long long i = 0; i < n; ++i) {
      const double value = i < static_cast<long long>(tempos_.size()) ? tempos_[i] : 0.0;
      mean += value / static_cast<double>(n);
    }
    v.meanBpm = mean;
  }
  const auto text = [&](int index) -> std::optional<Text> {
    if (!scans_[index].found) return std::nullopt;
    return scans_[index].text;
  };
  v.background = text(kBackground);
  v.charter = text(kCharter);
  v.composer = text(kComposer);
  v.level = text(kLevel);
  v.name = text(kName);
  v.song = text(kSong);
  return v;
}

}  // namespace zarq
