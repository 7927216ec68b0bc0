// zarq-preset: the command named first, run on its parsed arguments.

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <exception>
#include <string>
#include <vector>

#include "commands.h"
#include "completion.h"
#include "help.h"
#include "nearest_word.h"
#include "progress.h"

namespace zarq::tool {
namespace {

const Command* const kCommands[] = {&kRenderCommand, &kDumpCommand,   &kMakeCommand,
                                    &kCheckCommand,  &kImportCommand, &kHistoryCommand,
                                    &kRestoreCommand};

int unknownCommand(const std::string& name) {
  std::vector<std::string> names;
  for (const Command* c : kCommands) names.push_back(c->name);
  const std::optional<std::string> near = nearestWord(name, names);
  return usageError("unknown command '" + name + "'" +
                    (near ? "; did you mean '" + *near + "'?" : ""));
}

int unknownOption(const std::string& option) {
  const std::vector<std::string> names{"--help", "--help-all", "--version"};
  const std::optional<std::string> near = nearestWord(option.substr(0, option.find('=')), names);
  return usageError("unknown option " + option + (near ? "; did you mean " + *near + "?" : ""));
}

int runCommand(const Command& command, const Args& args, FileSystem& files) {
  const ParsedArgs parsed = parseArgs(args, command.options, command.maxOperands);
  if (!parsed.error.empty()) return usageError(parsed.error, command.name);
  if (parsed.has(kHelpOption.name)) {
    printCommandHelp(command);
    return 0;
  }
  return command.run(parsed, files);
}

// `zarq-preset help [COMMAND]`: the general help, or the command's as COMMAND --help.
int runHelp(const Args& args) {
  if (args.empty()) {
    printHelp();
    return 0;
  }
  if (args.size() > 1) return usageError("help takes one command");
  const Command* command = commandNamed(args[0]);
  if (!command) return unknownCommand(args[0]);
  printCommandHelp(*command);
  return 0;
}

// The arguments after the program's name.
int run(const Args& all, FileSystem& files) {
  if (all.empty()) return usageError("no command given");
  const std::string& name = all[0];
  const Args args(all.begin() + 1, all.end());
  if (name == "--help" || name == "-h") return runHelp({});
  if (name == "help") return runHelp(args);
  if (name == "--help-all") {
    printEveryHelp();
    return 0;
  }
  if (name == "--version" || name == "-V") {
    std::printf("zarq-preset %s\n", ZARQ_VERSION);
    return 0;
  }
  if (name == kCompleteCommand) {
    for (const std::string& word : completions(args)) std::printf("%s\n", word.c_str());
    return 0;
  }
  if (const Command* command = commandNamed(name)) return runCommand(*command, args, files);
  if (name.size() > 1 && name[0] == '-') return unknownOption(name);
  return unknownCommand(name);
}

}  // namespace

std::span<const Command* const> commands() { return kCommands; }

const Command* commandNamed(std::string_view name) {
  for (const Command* c : kCommands) {
    if (name == c->name) return c;
  }
  return nullptr;
}

int usageError(const std::string& message, const char* command) {
  wipeProgress();
  const std::string help = command ? std::string(command) + " --help" : "--help";
  std::fprintf(stderr, "zarq-preset: %s (see zarq-preset %s)\n", message.c_str(), help.c_str());
  return 2;
}

int inputError(const std::string& message) {
  wipeProgress();
  std::fprintf(stderr, "zarq-preset: %s\n", message.c_str());
  return 1;
}

int runPreset(const Args& args, FileSystem& files) {
  // Every failure is meant to be reported where it happens; this is the last safety net.
  try {
    const int code = run(args, files);
    // Help and --version go through stdio, whose failures show only once it is flushed: a
    // help that did not reach a full disk is no success.
    if (std::fflush(stdout) != 0 || std::ferror(stdout)) {
      const int lost =
          inputError("cannot write to standard output: " + std::string(std::strerror(errno)));
      return code == 0 ? lost : code;
    }
    return code;
  } catch (const std::exception& error) {
    std::fprintf(stderr, "zarq-preset: unexpected failure: %s\n", error.what());
    return 1;
  }
}

}  // namespace zarq::tool
