#pragma once
// A fresh folder for one test, removed afterwards.

#include <cstdint>
#include <filesystem>
#include <string>

namespace zarq::testing {

class TempDir {
 public:
  TempDir();
  ~TempDir();
  TempDir(const TempDir&) = delete;
  TempDir& operator=(const TempDir&) = delete;

  const std::filesystem::path& path() const { return path_; }
  std::filesystem::path operator/(const std::filesystem::path& name) const { return path_ / name; }
  // Writes `bytes` to a file of this folder and returns its path.
  std::filesystem::path write(const std::filesystem::path& name, const std::string& bytes) const;

 private:
  std::filesystem::path path_;
};

// The bytes of a file; empty for one that cannot be read.
std::string contents(const std::filesystem::path& file);

// The system clock `seconds` from now, in nanoseconds: the time of a later start that cleans
// a folder of leftover temporary files.
std::int64_t secondsOn(std::int64_t seconds);

}  // namespace zarq::testing
