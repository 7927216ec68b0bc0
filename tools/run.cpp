// zarq-preset's commands, and the program that picks one.

#include <cstdio>
#include <exception>
#include <string>

#include "commands.h"

namespace zarq::tool {
namespace {

const Command kCommands[] = {
    {"render", "--page N -o OUT.png [--scale S] [--dir DIR] [--preset FILE]",
     "draw page N of the form as the editor shows it at start-up, as a PNG",
     "Draws one page (1 to 6) of the form built in DIR (default: the current folder), with\n"
     "its save.set, chart and media, exactly as the editor's window shows it. --preset loads\n"
     "FILE over it first. --scale draws the frame at that many device pixels per pixel (1 to\n"
     "4, e.g. 2 for a display at 200 %). OUT.png may be - for standard output.\n",
     runRender},
    {"dump", "FILE.set|FOLDER|-...", "print presets as JSON, by the editor's field names",
     "Prints a preset (- for standard input) as JSON by the names of the editor's fields\n"
     "(the words `make` reads).\n"
     "With several inputs, or a folder (which stands for the .set files in it), prints one\n"
     "JSON document per line: {\"input\": FILE, \"preset\": {...}}, or {\"input\": FILE,\n"
     "\"error\": MESSAGE} for a file that cannot be read. Exits 1 if any input failed.\n",
     runDump},
    {"make", "IN.json -o OUT.set", "write a preset from JSON; what is missing keeps the defaults",
     "Writes a preset from a JSON object by the editor's field names, as `dump` prints it or\n"
     "as `import` prints what a chart fills in. Every field left out keeps the editor's\n"
     "default; unknown names, values of the wrong type and texts longer than 199 UTF-16\n"
     "units are refused, naming the key. A field of page 1 given without its slider carries\n"
     "the slider along, and the other way round, as in the editor. The numbered form of\n"
     "earlier versions (\"texts\", \"checkBoxes\", \"sliders\", \"optionPairs\" arrays by\n"
     "file order) is read too. IN.json and OUT.set may be - for standard input and output.\n",
     runMake},
    {"check", "[--dir DIR] [--preset FILE] [--json] [FILE.set|FOLDER...]",
     "list every message of pages 1 to 6 (exit 1 when any is an error)",
     "Lists the messages the editor shows on pages 1 to 6 for the form built in DIR (default:\n"
     "the current folder), one per line: page, owner, kind (error, warning or prompt) and\n"
     "status line; --json prints them as a JSON array. --preset loads FILE over the form.\n"
     "Given presets or folders (which stand for the .set files in them), checks each in DIR\n"
     "and prints one JSON document per line: {\"input\": FILE, \"errors\": N, \"messages\":\n"
     "[...]}, or {\"input\": FILE, \"error\": MESSAGE}. Exits 1 if any has an error.\n",
     runCheck},
    {"import", "CHART.json", "print as JSON what the editor's auto-fill would take from a chart",
     "Prints, by the editor's field names, what the auto-fill writes into the form for a\n"
     "chart; `make` reads the object as it is. The chart is read as the editor reads it: a\n"
     "few keys are looked for in its bytes, so a chart that is not strict JSON serves as\n"
     "well. A file the auto-fill finds nothing in is refused with exit code 1. CHART.json\n"
     "may be - for standard input, or a pipe.\n",
     runImport},
};

void printHelp() {
  std::printf(
      "Usage: zarq-preset COMMAND [ARGS]\n"
      "  or:  zarq-preset COMMAND --help\n\n"
      "Works on presets of the Zarq Radoziro settings editor without a window.\n\n"
      "Commands:\n");
  for (const Command& c : kCommands) std::printf("  %-8s %s\n", c.name, c.summary);
  std::printf(
      "\nOptions:\n"
      "  -h, --help     print this help, or a command's own with COMMAND --help\n"
      "  --version      print the version and exit\n");
}

void printCommandHelp(const Command& c) {
  std::printf("Usage: zarq-preset %s %s\n\n%s", c.name, c.usage, c.details);
  if (std::string(c.name) == "make") {
    std::printf("\nA complete example, the editor's defaults:\n%s\n", makeExample().c_str());
  }
}

bool asksForHelp(const Args& args) {
  for (const std::string& arg : args) {
    if (arg == "--help" || arg == "-h") return true;
  }
  return false;
}

// The arguments after the program's name.
int run(const Args& all, FileSystem& files) {
  if (all.empty()) return usageError("no command given");
  const std::string& name = all[0];
  if (name == "--help" || name == "-h" || name == "help") {
    printHelp();
    return 0;
  }
  if (name == "--version") {
    std::printf("zarq-preset %s\n", ZARQ_VERSION);
    return 0;
  }
  const Args args(all.begin() + 1, all.end());
  for (const Command& c : kCommands) {
    if (name != c.name) continue;
    if (asksForHelp(args)) {
      printCommandHelp(c);
      return 0;
    }
    return c.run(args, files);
  }
  return usageError("unknown command '" + name + "'");
}

}  // namespace

int usageError(const std::string& message) {
  std::fprintf(stderr, "zarq-preset: %s (see zarq-preset --help)\n", message.c_str());
  return 2;
}

int inputError(const std::string& message) {
  std::fprintf(stderr, "zarq-preset: %s\n", message.c_str());
  return 1;
}

int runPreset(const Args& args, FileSystem& files) {
  // Every failure is meant to be reported where it happens; this is the last safety net.
  try {
    return run(args, files);
  } catch (const std::exception& error) {
    std::fprintf(stderr, "zarq-preset: unexpected failure: %s\n", error.what());
    return 1;
  }
}

}  // namespace zarq::tool
