#pragma once
// The platform without a window that the tests run on: cairo and pango on Linux, GDI+ and
// WIC on Windows.

#ifdef _WIN32
#include "backend/win32/headless_platform.h"
#else
#include "backend/cairo/headless_platform.h"
#endif
