#include "terminal.h"

#ifdef _WIN32
#include <windows.h>
#else
#include <unistd.h>
#endif

namespace zarq::tool {

bool standardOutputIsTerminal() {
#ifdef _WIN32
  // Only a console has a console mode; _isatty would also take the NUL device for one.
  DWORD mode = 0;
  return GetConsoleMode(GetStdHandle(STD_OUTPUT_HANDLE), &mode) != 0;
#else
  return isatty(STDOUT_FILENO) == 1;
#endif
}

}  // namespace zarq::tool
