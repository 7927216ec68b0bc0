#include "support/peak_memory.h"

#include <fstream>
#include <string>

namespace zarq::testing {
namespace {

// A line "Name:   123 kB" of /proc/self/status, in bytes; 0 when there is none.
std::size_t statusKilobytes(const std::string& name) {
  std::ifstream status("/proc/self/status");
  std::string line;
  while (std::getline(status, line)) {
    if (line.rfind(name + ":", 0) == 0) return std::stoull(line.substr(name.size() + 1)) * 1024;
  }
  return 0;
}

}  // namespace

bool resetPeakMemory() {
  // "5" resets the peak resident size to the current one (Linux 4.0 and later).
  std::ofstream clear("/proc/self/clear_refs");
  clear << "5";
  clear.close();
  return clear.good() && statusKilobytes("VmHWM") > 0;
}

std::size_t currentMemory() { return statusKilobytes("VmRSS"); }

std::size_t peakGrowthSince(std::size_t before) {
  const std::size_t peak = statusKilobytes("VmHWM");
  return peak > before ? peak - before : 0;
}

}  // namespace zarq::testing
