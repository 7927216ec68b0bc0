#include <fcntl.h>
#include <unistd.h>

#include <initializer_list>

#include "backend/os/standard_streams.h"

namespace zarq {

void holdClosedStandardStreams() {
  for (const int stream : {STDIN_FILENO, STDOUT_FILENO, STDERR_FILENO}) {
    if (::fcntl(stream, F_GETFD) != -1) continue;
    const int held = ::open("/dev/null", stream == STDIN_FILENO ? O_WRONLY : O_RDONLY);
    if (held != -1 && held != stream) ::close(held);
  }
}

}  // namespace zarq
