// zarq-preset: the editor's command-line companion for people who handle many presets.

#include <cstdio>
#include <cstring>
#include <iterator>

#include "commands.h"

#ifdef _WIN32
#include <fcntl.h>
#include <io.h>
#include <windows.h>

#include "backend/win32/wide_text.h"
#include "common/utf.h"
#endif

namespace zarq::tool {
namespace {

const Command kCommands[] = {
    {"render", "render --page N -o OUT.png [--dir DIR] [--preset FILE]",
     "draw page N of the form as the editor shows it at start-up, as a PNG", runRender},
    {"dump", "dump FILE.set", "print a preset file as JSON", runDump},
    {"make", "make IN.json -o OUT.set",
     "write a preset from JSON; missing values keep the editor's defaults", runMake},
    {"check", "check [--dir DIR] [--preset FILE] [--json]",
     "list every message of pages 1 to 6 (exit 1 when any is an error)", runCheck},
    {"import", "import CHART.json",
     "print as JSON what the editor's auto-fill would take from a chart", runImport},
};

void printHelp() {
  std::printf("usage: zarq-preset COMMAND [ARGS]\n\ncommands:\n");
  for (const Command& c : kCommands) std::printf("  %-56s %s\n", c.usage, c.summary);
}

}  // namespace

int usageError(const std::string& message) {
  std::fprintf(stderr, "zarq-preset: %s (see zarq-preset --help)\n", message.c_str());
  return 2;
}

}  // namespace zarq::tool

namespace zarq::tool {
namespace {

// The arguments after the program's name, as UTF-8.
int runTool(const Args& args) {
  if (args.empty()) return usageError("no command given");
  const std::string& name = args[0];
  if (name == "--help" || name == "-h" || name == "help") {
    printHelp();
    return 0;
  }
  for (const Command& c : kCommands) {
    if (name == c.name) return c.run(Args(args.begin() + 1, args.end()));
  }
  return usageError("unknown command '" + name + "'");
}

}  // namespace
}  // namespace zarq::tool

#ifdef _WIN32
// Windows hands the arguments over as UTF-16; the console is told that the output is UTF-8,
// and the output is written byte for byte, line ends as on every other platform.
int wmain(int argc, wchar_t** argv) {
  SetConsoleOutputCP(CP_UTF8);
  _setmode(_fileno(stdout), _O_BINARY);
  _setmode(_fileno(stderr), _O_BINARY);
  zarq::tool::Args args;
  for (int i = 1; i < argc; ++i) {
    args.push_back(zarq::toUtf8(zarq::win32::textFromWide(argv[i])));
  }
  return zarq::tool::runTool(args);
}
#else
int main(int argc, char** argv) {
  return zarq::tool::runTool(zarq::tool::Args(argv + 1, argv + argc));
}
#endif
