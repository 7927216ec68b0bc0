#include "terminal.h"

#ifdef _WIN32
#include <windows.h>
#else
#include <unistd.h>
#endif

namespace zarq::tool {
namespace {

#ifdef _WIN32
// Only a console has a console mode; _isatty would also take the NUL device for one.
bool isTerminal(DWORD stream) {
  DWORD mode = 0;
  return GetConsoleMode(GetStdHandle(stream), &mode) != 0;
}
#else
bool isTerminal(int stream) { return isatty(stream) == 1; }
#endif

}  // namespace

#ifdef _WIN32
bool standardOutputIsTerminal() { return isTerminal(STD_OUTPUT_HANDLE); }
bool standardErrorIsTerminal() { return isTerminal(STD_ERROR_HANDLE); }
#else
bool standardOutputIsTerminal() { return isTerminal(STDOUT_FILENO); }
bool standardErrorIsTerminal() { return isTerminal(STDERR_FILENO); }
#endif

}  // namespace zarq::tool
