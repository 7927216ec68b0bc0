#pragma once
// Where a start on Windows looks for the folder to work in: the current folder, the user's
// own folders, the folder the program lies in and the one the installer put it in.

#include <system_error>

#include "editor/working_folder.h"

namespace zarq::win32 {

// `error` says when the current folder cannot be read.
StartPlaces windowsStartPlaces(std::error_code& error);

}  // namespace zarq::win32
