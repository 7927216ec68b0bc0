#include "support/scoped_locale.h"

#include <clocale>
#include <cstdlib>

namespace zarq::testing {

ScopedLocale::ScopedLocale(int category, const std::string& name, const std::string& windowsName)
    : category_(category), previous_(std::setlocale(category, nullptr)) {
#ifdef _WIN32
  (void)name;
  active_ = std::setlocale(category, windowsName.c_str()) != nullptr;
#else
  (void)windowsName;
  active_ = std::setlocale(category, name.c_str()) != nullptr;
  if (active_) return;
  // "tr_TR.UTF-8": the source "tr_TR" in the charmap "UTF-8".
  const std::size_t dot = name.find('.');
  const std::string command = "localedef -i " + name.substr(0, dot) + " -f " +
                              name.substr(dot + 1) + " '" + (built_.path() / name).string() +
                              "' >/dev/null 2>&1";
  if (std::system(command.c_str()) == 0) {
    ::setenv("LOCPATH", built_.path().c_str(), 1);
    active_ = std::setlocale(category, name.c_str()) != nullptr;
    ::unsetenv("LOCPATH");
  }
#endif
}

ScopedLocale::~ScopedLocale() { std::setlocale(category_, previous_.c_str()); }

}  // namespace zarq::testing
