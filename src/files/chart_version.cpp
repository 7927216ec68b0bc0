#include "files/chart_version.h"

#include <algorithm>
#include <cstddef>
#include <cstring>
#include <string_view>

#include "common/numbers.h"
#include "files/number_reader.h"

namespace zarq {
namespace {

constexpr std::string_view kKey = "\"ZarqVersion\"";
constexpr std::string_view kFirstForm = "\"ZarqVersion\":";
constexpr std::string_view kSecondForm = "\"ZarqVersion\" : ";

// JSON writers commonly put blanks after the colon; they are skipped so that such a chart
// reads its real version.
bool isBlank(int c) { return c == ' ' || c == '\t'; }

int versionOf(double number) {
  return static_cast<int>(roundHalfAway(std::clamp(number, -1e9, 1e9)));
}

// Both forms matched over the chart's bytes in one pass, each as findKey matches it from the
// chart's start; the key alone is the first form's first bytes and matches with it. The value
// after the second form is read as it passes, since the first form may still follow.
class VersionScan {
 public:
  // Scans the chart's next bytes; returns how many it took: all of them, or those up to the
  // end of the first form once that matched.
  std::size_t feed(std::string_view bytes);
  bool firstFormFound() const { return first_ == kFirstForm.size(); }
  // What the chart gave, the first form missing.
  ChartVersion withoutFirstForm() const;

 private:
  enum class Value { Unmatched, Blanks, Number, Read };
  // Takes one byte; true when the first form has just matched.
  bool step(char c);
  // Nothing under way: a byte other than a quote changes nothing.
  bool idle() const;
  // Takes the bytes from `pos` on until nothing is under way, the first form has matched or
  // the bytes end; returns where it stopped.
  std::size_t stepFrom(std::string_view bytes, std::size_t pos);

  std::size_t first_ = 0, second_ = 0;  // the bytes of each form matched
  bool keySeen_ = false;
  Value secondValue_ = Value::Unmatched;
  NumberReader number_;  // the value after the second form
};

bool VersionScan::step(char c) {
  switch (secondValue_) {
    case Value::Unmatched:
      second_ = c == kSecondForm[second_] ? second_ + 1 : 0;
      if (second_ == kSecondForm.size()) secondValue_ = Value::Blanks;
      break;
    case Value::Blanks:
      if (isBlank(c)) break;
      secondValue_ = Value::Number;
      [[fallthrough]];
    case Value::Number:
      if (!number_.take(c)) secondValue_ = Value::Read;
      break;
    case Value::Read:
      break;
  }
  first_ = c == kFirstForm[first_] ? first_ + 1 : 0;
  keySeen_ = keySeen_ || first_ == kKey.size();
  return firstFormFound();
}

bool VersionScan::idle() const {
  return first_ == 0 &&
         (secondValue_ == Value::Read || (secondValue_ == Value::Unmatched && second_ == 0));
}

// Whether the quote at `quote` starts a try: in a run of quotes, each try fails on the next
// quote and consumes it, so from the run's first quote on every other one starts a try. The
// bytes before `from` are taken, and nothing is under way there.
bool startsTry(std::string_view bytes, std::size_t from, std::size_t quote) {
  std::size_t first = quote;
  while (first > from && bytes[first - 1] == '"') --first;
  return (quote - first) % 2 == 0;
}

std::size_t VersionScan::stepFrom(std::string_view bytes, std::size_t pos) {
  while (pos < bytes.size()) {
    // Blanks before the second form's value do not start the first form either.
    if (first_ == 0 && secondValue_ == Value::Blanks) {
      while (pos < bytes.size() && isBlank(bytes[pos])) ++pos;
      if (pos == bytes.size()) break;
    }
    if (step(bytes[pos++]) || idle()) break;
  }
  return pos;
}

// A try gets past its first byte only at a quote followed by the key's "Z", a letter rare in
// charts: the bytes between two of them are passed over with memchr at memory speed.
std::size_t VersionScan::feed(std::string_view bytes) {
  // A try the last bytes left under way goes on.
  std::size_t from = idle() ? 0 : stepFrom(bytes, 0);
  if (firstFormFound()) return from;
  while (from < bytes.size()) {
    const void* letter = std::memchr(bytes.data() + from, kKey[1], bytes.size() - from);
    if (letter == nullptr) break;
    const std::size_t z = static_cast<std::size_t>(static_cast<const char*>(letter) - bytes.data());
    if (z == from || bytes[z - 1] != '"' || !startsTry(bytes, from, z - 1)) {
      from = z + 1;
      continue;
    }
    from = stepFrom(bytes, z - 1);
    if (firstFormFound()) return from;
  }
  // A quote that ends the bytes and starts a try goes on with the next ones.
  if (idle() && from < bytes.size() && bytes.back() == '"' &&
      startsTry(bytes, from, bytes.size() - 1)) {
    step('"');
  }
  return bytes.size();
}

ChartVersion VersionScan::withoutFirstForm() const {
  if (secondValue_ != Value::Unmatched)
    return {ChartVersion::Key::Found, versionOf(number_.value())};
  return {keySeen_ ? ChartVersion::Key::WithoutForm : ChartVersion::Key::Missing};
}

}  // namespace

ChartVersion readChartVersion(ChartStream& stream) {
  stream.rewind();
  VersionScan scan;
  while (!scan.firstFormFound()) {
    const std::string_view bytes = stream.ahead();
    if (bytes.empty()) return scan.withoutFirstForm();
    stream.skip(scan.feed(bytes));
  }
  while (isBlank(stream.peek())) stream.get();
  return {ChartVersion::Key::Found, versionOf(readKeyNumber(stream))};
}

}  // namespace zarq
