#include <signal.h>
#include <unistd.h>

#include <atomic>
#include <csignal>
#include <cstring>

#include "backend/os/interrupted_write.h"
#include "backend/os/standard_streams.h"
#include "platform/forwarding_file_system.h"

namespace zarq {
namespace {

namespace fs = std::filesystem;

// What the signal handler may touch: a name copied in before it is armed.
char writing[4096];
volatile std::sig_atomic_t armed = 0;

extern "C" void removeWritingAndEnd(int signal) {
  if (armed) ::unlink(writing);
  // The handler is gone by now (SA_RESETHAND): the signal ends the process as it would have.
  ::raise(signal);
}

void arm(const fs::path& path) {
  const std::string& name = path.native();
  if (name.size() >= sizeof writing) return;
  armed = 0;
  std::atomic_signal_fence(std::memory_order_seq_cst);
  std::memcpy(writing, name.c_str(), name.size() + 1);
  std::atomic_signal_fence(std::memory_order_seq_cst);
  armed = 1;
}

void disarm(const fs::path& path) {
  if (armed && path.native() == writing) armed = 0;
}

void catchEndingSignals() {
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

class InterruptibleFileSystem final : public ForwardingFileSystem {
 public:
  InterruptibleFileSystem() : ForwardingFileSystem(osFileSystem()) {
    holdClosedStandardStreams();
    catchEndingSignals();
  }

  // A new file is always written under a temporary name, until it is renamed or removed.
  FileError createNew(const fs::path& path, Handle& handle) override {
    const FileError error = ForwardingFileSystem::createNew(path, handle);
    if (error == FileError::None) arm(path);
    return error;
  }
  FileError replace(const fs::path& from, const fs::path& to) override {
    const FileError error = ForwardingFileSystem::replace(from, to);
    if (error == FileError::None) disarm(from);
    return error;
  }
  FileError renameNew(const fs::path& from, const fs::path& to) override {
    const FileError error = ForwardingFileSystem::renameNew(from, to);
    if (error == FileError::None) disarm(from);
    return error;
  }
  FileError remove(const fs::path& path) override {
    const FileError error = ForwardingFileSystem::remove(path);
    disarm(path);
    return error;
  }
};

}  // namespace

FileSystem& interruptibleFileSystem() {
  static InterruptibleFileSystem files;
  return files;
}

}  // namespace zarq
