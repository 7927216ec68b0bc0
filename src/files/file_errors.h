#pragma once
// File errors in plain English, for the standard error of the editor and of zarq-preset.

#include "platform/file_system.h"

namespace zarq {

// "the disk is full", "permission denied", ...
const char* fileErrorWords(FileError error);

}  // namespace zarq
