#include "files/preset_history.h"

#include <algorithm>
#include <charconv>
#include <cstdio>
#include <ctime>
#include <limits>
#include <string>
#include <system_error>
#include <type_traits>
#include <vector>

#include "files/atomic_file.h"
#include "files/file_access.h"

namespace zarq {
namespace fs = std::filesystem;
namespace {

// A version's file: its sequence number and when it was kept, "000042-1738367999.set", so
// that the order and the time never depend on what a copy of the folder kept of its times.
// The number takes at least six digits, and more once it passes 999999: a version named
// with seven must be found as surely as one with six.
constexpr std::string_view kVersionSuffix = ".set";
constexpr std::size_t kSequenceDigits = 6;

struct Kept {
  long long sequence = 0;
  std::int64_t time = 0;
  fs::path name;
};

bool readNumber(std::string_view text, long long& number) {
  if (text.empty()) return false;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), number);
  return error == std::errc() && end == text.data() + text.size();
}

bool parseVersionName(const fs::path& name, Kept& kept) {
  const std::string text = name.string();
  const std::size_t dash = text.find('-');
  if (dash == std::string::npos || dash < kSequenceDigits || !text.ends_with(kVersionSuffix)) {
    return false;
  }
  long long time = 0;
  if (!readNumber(std::string_view(text).substr(0, dash), kept.sequence) ||
      !readNumber(
          std::string_view(text).substr(dash + 1, text.size() - dash - 1 - kVersionSuffix.size()),
          time)) {
    return false;
  }
  kept.time = time;
  kept.name = name;
  return true;
}

fs::path versionName(long long sequence, std::int64_t time) {
  std::string number = std::to_string(sequence);
  number.insert(0, kSequenceDigits - std::min(kSequenceDigits, number.size()), '0');
  return number + "-" + std::to_string(time) + std::string(kVersionSuffix);
}

// The versions in `folder`, newest first.
FileError keptIn(FileSystem& files, const fs::path& folder, std::vector<Kept>& kept) {
  kept.clear();
  FileStatus status;
  if (const FileError error = files.status(folder, status); error != FileError::None) return error;
  if (status.kind == FileStatus::Kind::Missing) return FileError::None;
  std::vector<fs::path> names;
  if (const FileError error = files.list(folder, names); error != FileError::None) return error;
  for (const fs::path& name : names) {
    if (Kept one; parseVersionName(name, one)) kept.push_back(one);
  }
  std::sort(kept.begin(), kept.end(),
            [](const Kept& a, const Kept& b) { return a.sequence > b.sequence; });
  return FileError::None;
}

// The longest name of one file or folder: 255 bytes on Linux, 255 UTF-16 units on Windows.
constexpr std::size_t kLongestName = 255;

// `at`, or the start of the character a cut there would split (UTF-8 on Linux, a pair of
// UTF-16 surrogates on Windows).
std::size_t characterStart(const fs::path::string_type& name, std::size_t at) {
  using Unit = std::make_unsigned_t<fs::path::value_type>;
  const auto inside = [](Unit unit) {
    return sizeof(Unit) == 1 ? (unit & 0xC0) == 0x80 : (unit & 0xFC00) == 0xDC00;
  };
  while (at > 0 && at < name.size() && inside(static_cast<Unit>(name[at]))) --at;
  return at;
}

// FNV-1a of the folder's path: a short name for it that stays the same between runs.
std::string folderHash(const fs::path& folder) {
  std::uint64_t hash = 14695981039346656037ull;
  for (const char byte : folder.generic_u8string()) {
    hash = (hash ^ static_cast<unsigned char>(byte)) * 1099511628211ull;
  }
  char text[17];
  std::snprintf(text, sizeof text, "%016llx", static_cast<unsigned long long>(hash));
  return text;
}

// Whether two files hold the same bytes; one that cannot be read differs.
bool sameBytes(FileSystem& files, const fs::path& a, const fs::path& b) {
  FileStatus first, second;
  if (files.resolvedStatus(a, first) != FileError::None ||
      files.resolvedStatus(b, second) != FileError::None || first.size != second.size) {
    return false;
  }
  FileSystem::Handle one = 0, other = 0;
  if (files.openForReading(a, one) != FileError::None) return false;
  if (files.openForReading(b, other) != FileError::None) {
    files.close(one);
    return false;
  }
  std::vector<std::uint8_t> left(1 << 16), right(1 << 16);
  bool same = true;
  for (;;) {
    std::size_t gotLeft = 0, gotRight = 0;
    if (readUpTo(files, one, left, gotLeft) != FileError::None ||
        readUpTo(files, other, right, gotRight) != FileError::None || gotLeft != gotRight ||
        !std::equal(left.begin(), left.begin() + gotLeft, right.begin())) {
      same = false;
      break;
    }
    if (gotLeft < left.size()) break;
  }
  files.close(one);
  files.close(other);
  return same;
}

}  // namespace

fs::path presetHistoryRoot() {
  const fs::path data = userDataFolder();
  return data.empty() ? data : data / "zarq-settings" / "history";
}

fs::path historyFolder(const fs::path& root, const fs::path& preset) {
  // The path as the system knows it, so that a preset reached through a link to its
  // folder, by a relative name or in another case on Windows, has the one history.
  const fs::path kept = pathAsKept(preset);
  fs::path::string_type name = kept.filename().native();
  std::string hash = folderHash(kept.parent_path());
  // A name too long to take the hash after it keeps its start, cut between characters, and
  // the hash then tells apart the whole paths, so that long names of one start differ.
  if (name.size() + 1 + hash.size() > kLongestName) {
    name.resize(characterStart(name, kLongestName - 1 - hash.size()));
    hash = folderHash(kept);
  }
  fs::path folder(name);
  folder += "-" + hash;
  return root / folder;
}

FileError keepInHistory(FileSystem& files, const fs::path& root, const fs::path& preset) {
  if (root.empty()) return FileError::NotFound;
  const fs::path folder = historyFolder(root, preset);
  // A version that may not survive a power cut is no version to write in place after.
  if (const WriteOutcome made = makeFolders(files, folder);
      !made || made.unflushed != FileError::None) {
    return made ? made.unflushed : made.error;
  }
  std::vector<Kept> kept;
  // Another save of the preset at the same moment (the editor's close and a `make`, say) may
  // take the number this one chose: its version is kept all the same, under the next one.
  for (int tries = 3;; --tries) {
    if (const FileError error = keptIn(files, folder, kept); error != FileError::None) {
      return error;
    }
    // Saving an unchanged form adds nothing: copies of one content would push the versions
    // that differ out of the history.
    if (!kept.empty() && sameBytes(files, preset, folder / kept.front().name)) {
      return FileError::None;
    }
    // A number no later one can follow (a name no save gives) leaves no room for the newest.
    if (!kept.empty() && kept.front().sequence == std::numeric_limits<long long>::max()) {
      return FileError::Exists;
    }
    const long long sequence = kept.empty() ? 1 : kept.front().sequence + 1;
    const fs::path version = folder / versionName(sequence, std::time(nullptr));
    const WriteOutcome copied =
        copyFileAtomically(files, preset, version, CopyMode::Binary, nullptr, Existing::Keep);
    if (copied.error == FileError::Exists && tries > 1) continue;
    if (!copied) return copied.error;
    if (copied.unflushed != FileError::None) return copied.unflushed;
    break;
  }
  // Forgetting the oldest may fail without harm: they are only kept a while longer.
  for (std::size_t old = kHistoryVersions - 1; old < kept.size(); ++old) {
    removeFile(files, folder / kept[old].name);
  }
  return FileError::None;
}

KeepOld historyKeeper(FileSystem& files, const fs::path& root, const fs::path& preset) {
  if (root.empty()) return {};
  return [&files, root, preset] { return keepInHistory(files, root, preset); };
}

FileError listHistory(FileSystem& files, const fs::path& root, const fs::path& preset,
                      std::vector<HistoryVersion>& versions) {
  versions.clear();
  if (root.empty()) return FileError::None;
  const fs::path folder = historyFolder(root, preset);
  std::vector<Kept> kept;
  if (const FileError error = keptIn(files, folder, kept); error != FileError::None) return error;
  for (std::size_t i = 0; i < kept.size(); ++i) {
    versions.push_back({static_cast<int>(i) + 1, folder / kept[i].name, kept[i].time});
  }
  return FileError::None;
}

}  // namespace zarq
