#include <signal.h>
#include <unistd.h>

#include <atomic>
#include <csignal>
#include <cstring>

#include "backend/os/ending_run.h"
#include "backend/os/standard_streams.h"

namespace zarq::ending {
namespace {

// What the signal handler may touch: a name copied in before it is armed.
char writingName[4096];
volatile std::sig_atomic_t armed = 0;

extern "C" void removeWritingAndEnd(int signal) {
  if (armed) ::unlink(writingName);
  // The handler is gone by now (SA_RESETHAND): the signal ends the process as it would have.
  ::raise(signal);
}

}  // namespace

void catchEnds() {
  holdClosedStandardStreams();
  for (const int signal : {SIGINT, SIGTERM, SIGHUP}) {
    struct sigaction now {};
    if (::sigaction(signal, nullptr, &now) != 0 || now.sa_handler == SIG_IGN) continue;
    struct sigaction caught {};
    caught.sa_handler = removeWritingAndEnd;
    caught.sa_flags = SA_RESETHAND;
    sigemptyset(&caught.sa_mask);
    ::sigaction(signal, &caught, nullptr);
  }
}

std::mutex& steps() {
  static std::mutex mutex;
  return mutex;
}

void writing(const std::filesystem::path& path, FileSystem::Handle) {
  const std::string& name = path.native();
  if (name.size() >= sizeof writingName) return;
  armed = 0;
  std::atomic_signal_fence(std::memory_order_seq_cst);
  std::memcpy(writingName, name.c_str(), name.size() + 1);
  std::atomic_signal_fence(std::memory_order_seq_cst);
  armed = 1;
}

// The name stays in place until the next new file: an open file is removed by it too.
void closed(FileSystem::Handle) {}

void gone(const std::filesystem::path& path) {
  if (armed && path.native() == writingName) armed = 0;
}

}  // namespace zarq::ending
