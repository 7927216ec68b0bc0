#pragma once
// Every key the auto-fill reads, found in one pass over a stripped chart handed over in
// pieces. Each key is matched as findKey matches it from the chart's start (a mismatching
// byte never starts a match) and its value read as readKeyString and readKeyNumber read it,
// so what is found is what a scan per key finds; only the bytes are read once. Keys start
// with a quote, so only the bytes after a quote are looked at, and quotes are found sixteen
// bytes at a time.

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "common/text.h"
#include "files/number_reader.h"

namespace zarq {

struct ChartValues;

// A string value's bytes as a field takes them: decoded, cut at a NUL (where the preset ends
// a text) and to kScannedValueCapacity units. Invalid UTF-8 gives an empty text and one line
// on stderr.
Text scannedText(std::string_view bytes);

class KeyScan {
 public:
  KeyScan();

  // Scans the stripped chart's next bytes, those the last call did not take first; returns
  // how many it took: the rest it cannot finish without the bytes that follow.
  std::size_t feed(std::string_view bytes);
  // Scans the last bytes, those the last call did not take first.
  void finish(std::string_view bytes);

  // What was found. The mean tempo is missing when there were more "bpm" entries than are
  // kept; meanTempo then finds it in a pass of its own.
  ChartValues values() const;
  bool temposOverflowed() const;

 private:
  enum class Reading { Key, Number, String, Done };
  // One key's scan: matching it, or reading its value. Positions count from the chart's start.
  struct Scan {
    std::string_view key;
    Reading value = Reading::Done;  // what follows a match: Done for a scan that only counts
    Reading reading = Reading::Key;
    long long next = 0;     // where the key may next start to match
    long long valueAt = 0;  // where the value being read goes on
    long long matches = 0;
    NumberReader number;  // a number being read
    // A string being read.
    std::string collected;
    bool escaped = false;
    bool found = false;
    Text text;
  };

  std::size_t scan(std::string_view bytes, bool atEnd);
  void atQuote(std::size_t at);
  void tryKeys(std::size_t at, unsigned candidates);
  // Reads the scan's value on from valueAt, as far as the bytes at hand allow.
  void readValue(Scan& scan);
  std::size_t readNumber(Scan& scan, const char* at, std::size_t available);
  std::size_t readString(Scan& scan, const char* at, std::size_t available);
  void endNumber(Scan& scan);
  void endString(Scan& scan);
  void updateActive();

  // The tempo entries are counted by a scan that only matches the key, as the mean's count
  // pass does, and read by one that reads each number before matching on.
  std::vector<Scan> scans_;
  unsigned bySecond_[256] = {};  // the scans whose key has this second byte, one bit each
  unsigned active_ = 0;          // the scans not done
  long long start_ = 0;          // the chart offset of the bytes of the call under way
  long long allNext_ = 0;        // no key may start to match before this
  // The bytes of the call under way: all but the last kLongestKey of them are scanned, unless
  // the chart ends after them.
  const char* bytes_ = nullptr;
  std::size_t size_ = 0, limit_ = 0;
  std::vector<double> tempos_;
};

}  // namespace zarq
