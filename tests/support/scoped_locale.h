#pragma once
// Puts one category of the C library's locale in another language for a test, as a desktop
// in that language does (GTK sets the locale from the environment), building the locale
// with localedef where the system has not installed it; the old one is back afterwards.

#include <string>

#include "support/temp_dir.h"

namespace zarq::testing {

class ScopedLocale {
 public:
  // `name` as glibc knows it ("de_DE.UTF-8"), `windowsName` as the Windows run-time does
  // ("German_Germany.1252").
  ScopedLocale(int category, const std::string& name, const std::string& windowsName);
  ~ScopedLocale();
  ScopedLocale(const ScopedLocale&) = delete;
  ScopedLocale& operator=(const ScopedLocale&) = delete;

  bool active() const { return active_; }

 private:
  int category_;
  std::string previous_;
  TempDir built_;
  bool active_ = false;
};

}  // namespace zarq::testing
