#include "help.h"

#include <algorithm>
#include <cstdio>
#include <string>

namespace zarq::tool {
namespace {

// "  -o, --output=FILE" or "      --json", as GNU tools line them up.
std::string optionColumn(const Option& option) {
  std::string text = option.shortName ? std::string("  ") + option.shortName + ", " : "      ";
  text += option.name;
  if (option.value != ValueKind::None) text += std::string("=") + option.valueName;
  return text;
}

void printOptions(std::span<const Option> options, const std::string& heading) {
  std::size_t width = optionColumn(kHelpOption).size();
  for (const Option& option : options) width = std::max(width, optionColumn(option).size());
  std::printf("\n%s:\n", heading.c_str());
  for (const Option& option : options) {
    std::printf("%-*s  %s\n", static_cast<int>(width), optionColumn(option).c_str(), option.help);
  }
  std::printf("%-*s  %s\n", static_cast<int>(width), optionColumn(kHelpOption).c_str(),
              kHelpOption.help);
}

// Each example as a shell shows it, what it does below it.
void printExamples(std::span<const Example> examples, const std::string& heading) {
  std::printf("\n%s:\n", heading.c_str());
  for (const Example& example : examples) {
    std::printf("  $ zarq-preset %s\n      %s\n", example.line, example.what);
  }
}

}  // namespace

void printHelp() {
  std::printf(
      "Usage: zarq-preset COMMAND [ARGS]\n"
      "  or:  zarq-preset help COMMAND\n\n"
      "Works on presets of the Zarq Radoziro settings editor without a window.\n\n"
      "Commands:\n");
  for (const Command* c : commands()) std::printf("  %-8s %s\n", c->name, c->summary);
  std::printf(
      "\nOptions:\n"
      "  -h, --help      print this help; COMMAND --help prints a command's own\n"
      "      --help-all  print the help of every command\n"
      "  -V, --version   print the version and exit\n\n"
      "A command's options take a value as --name VALUE or --name=VALUE, and end at --, so\n"
      "that a file named -x.set can follow. A mistyped command, option or field name is\n"
      "answered with the nearest one.\n");
}

void printCommandHelp(const Command& c) {
  std::printf("Usage: zarq-preset %s %s\n\n%s", c.name, c.usage, c.details);
  printOptions(c.options, "Options");
  printExamples(c.examples, "Examples");
  if (std::string(c.name) == "make") {
    std::printf("\nA complete example, the editor's defaults:\n%s\n", makeExample().c_str());
  }
}

// Laid out for help2man: "*Commands*" opens a section of the man page, and each command's
// headings name it, since "Options:" and "Examples:" would open the page's own sections.
void printEveryHelp() {
  printHelp();
  std::printf("\n*Commands*\n");
  for (const Command* c : commands()) {
    const std::string of = std::string(" of ") + c->name;
    std::printf("\n%s:\n  zarq-preset %s %s\n\n%s", c->name, c->name, c->usage, c->details);
    printOptions(c->options, "Options" + of);
    printExamples(c->examples, "Examples" + of);
  }
}

}  // namespace zarq::tool
