#include "backend/os/interrupted_write.h"

namespace zarq {

// A console's Ctrl+C ends the process on a thread of its own while the file is still open.
FileSystem& interruptibleFileSystem() { return osFileSystem(); }

}  // namespace zarq
