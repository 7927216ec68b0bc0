#pragma once
// For a command-line run: Ctrl+C, a hang-up or a plain kill in the middle of a write removes
// the file being written under its temporary name, which would otherwise lie in the user's
// folder until an editor starts there. Only that one: another temporary beside it may be
// another process's, written at this very moment. On Windows the console's Ctrl+C, Ctrl+Break
// and close do the same. A kill that cannot be caught still leaves it.

#include "platform/file_system.h"

namespace zarq {

// The system's file system; the first call catches the signals that end a run (those not
// ignored), or the console's events, for the life of the process, and keeps the numbers of
// closed standard streams taken. Writes go one at a time.
FileSystem& interruptibleFileSystem();

}  // namespace zarq
