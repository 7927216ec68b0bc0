// zarq-preset: the editor's command-line companion for people who handle many presets.

#include <cstdio>
#include <cstring>
#include <iterator>

#include "commands.h"

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

int main(int argc, char** argv) {
  using namespace zarq::tool;
  if (argc < 2) return usageError("no command given");
  const std::string name = argv[1];
  if (name == "--help" || name == "-h" || name == "help") {
    printHelp();
    return 0;
  }
  for (const Command& c : kCommands) {
    if (name == c.name) return c.run(Args(argv + 2, argv + argc));
  }
  return usageError("unknown command '" + name + "'");
}
