#pragma once
// A line on a terminal saying how far work over many files has got: "zarq-preset: checked
// 120 of 1000", shown once the work has taken a second, redrawn at most ten times a second
// and wiped when the work ends. Nothing when the standard error is no terminal.

#include <chrono>
#include <cstddef>
#include <string>

namespace zarq::tool {

class Progress {
 public:
  // `done` says what has been done to each ("checked").
  Progress(std::string done, std::size_t total);
  ~Progress();
  Progress(const Progress&) = delete;
  Progress& operator=(const Progress&) = delete;

  // One more is done.
  void step();

 private:
  std::string done_;
  std::size_t total_;
  std::size_t count_ = 0;
  bool terminal_;
  std::chrono::steady_clock::time_point start_, drawn_;
};

// Wipes the progress line shown, if any, so that a message can take the line.
void wipeProgress();

}  // namespace zarq::tool
