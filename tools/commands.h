#pragma once
// Subcommands of zarq-preset. Each takes the arguments after its name and returns the
// process exit code: 0 success, 1 a bad input file (or, for check, an error in the form),
// 2 bad arguments.

#include <string>
#include <vector>

namespace zarq::tool {

using Args = std::vector<std::string>;

struct Command {
  const char* name;
  const char* usage;    // the arguments, after "zarq-preset NAME"
  const char* summary;  // one line
  const char* details;  // what `zarq-preset NAME --help` says after the usage
  int (*run)(const Args& args);
};

int runRender(const Args& args);
int runDump(const Args& args);
int runMake(const Args& args);
int runCheck(const Args& args);
int runImport(const Args& args);

// What `make --help` shows after its details: a complete preset of the editor's defaults.
std::string makeExample();

// Prints "zarq-preset: MESSAGE" and a hint to stderr; returns 2.
int usageError(const std::string& message);
// Prints "zarq-preset: MESSAGE" to stderr; returns 1.
int inputError(const std::string& message);

}  // namespace zarq::tool
