#pragma once
// Subcommands of zarq-preset. Each is declared once, as a table of what it takes (which the
// parser, the help, the man page and the shell's completion all read), and runs on its
// parsed arguments, returning the process exit code: 0 success, 1 a bad input file (or, for
// check, an error in the form), 2 bad arguments.

#include <span>
#include <string>

#include "args.h"
#include "platform/file_system.h"

namespace zarq::tool {

struct Example {
  const char* line;  // after "zarq-preset "
  const char* what;
};

struct Command {
  const char* name;
  const char* usage;    // the arguments, after "zarq-preset NAME"
  const char* summary;  // one line
  const char* details;  // what `zarq-preset NAME --help` says after the usage
  std::span<const Option> options;
  std::size_t maxOperands;
  ValueKind operands;  // what the operands name
  std::span<const Example> examples;
  // Every command writes its files and its standard output through `files`.
  int (*run)(const ParsedArgs& args, FileSystem& files);
};

extern const Command kRenderCommand;
extern const Command kDumpCommand;
extern const Command kMakeCommand;
extern const Command kCheckCommand;
extern const Command kImportCommand;
extern const Command kHistoryCommand;
extern const Command kRestoreCommand;

// Every command, in the order the help lists them.
std::span<const Command* const> commands();
const Command* commandNamed(std::string_view name);

// The whole program: the command named first, with the arguments after it (UTF-8 text, and
// file names as argFromWide or the system gives them). Returns the exit code.
int runPreset(const Args& args, FileSystem& files);

// What `make --help` shows after its details: a complete preset of the editor's defaults.
std::string makeExample();

// Prints "zarq-preset: MESSAGE" and where to find help (the command's own, when one is
// named) to stderr; returns 2.
int usageError(const std::string& message, const char* command = nullptr);
// Prints "zarq-preset: MESSAGE" to stderr; returns 1.
int inputError(const std::string& message);

}  // namespace zarq::tool
