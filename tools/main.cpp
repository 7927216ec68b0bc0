// zarq-preset: the editor's command-line companion for people who handle many presets.

#include "backend/os/interrupted_write.h"
#include "commands.h"

#ifdef _WIN32
#include <fcntl.h>
#include <io.h>
#include <windows.h>

#include <cstdio>

#include "args.h"

// Windows hands the arguments over as UTF-16, taken as they are (argFromWide); the console is
// told that the output is UTF-8, and standard input and output carry bytes as they are, line
// ends as on every other platform.
int wmain(int argc, wchar_t** argv) {
  SetConsoleOutputCP(CP_UTF8);
  _setmode(_fileno(stdin), _O_BINARY);
  _setmode(_fileno(stdout), _O_BINARY);
  _setmode(_fileno(stderr), _O_BINARY);
  zarq::tool::Args args;
  for (int i = 1; i < argc; ++i) {
    args.push_back(zarq::tool::argFromWide(argv[i]));
  }
  return zarq::tool::runPreset(args, zarq::interruptibleFileSystem());
}
#else
int main(int argc, char** argv) {
  return zarq::tool::runPreset(zarq::tool::Args(argv + 1, argv + argc),
                               zarq::interruptibleFileSystem());
}
#endif
