#pragma once
// The core's UTF-16 text as the wide strings of the Windows interfaces; on Windows both
// are UTF-16, so nothing is converted, only retyped.

#include <string>

#include "common/text.h"

namespace zarq::win32 {

inline std::wstring wide(TextView text) { return std::wstring(text.begin(), text.end()); }

}  // namespace zarq::win32
