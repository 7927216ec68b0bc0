#pragma once
// Subcommands of zarq-preset. Each takes the arguments after its name and returns the
// process exit code: 0 success, 1 failure, 2 bad arguments.

#include <string>
#include <vector>

namespace zarq::tool {

using Args = std::vector<std::string>;

struct Command {
  const char* name;
  const char* usage;    // shown by --help
  const char* summary;  // one line
  int (*run)(const Args& args);
};

int runRender(const Args& args);
int runDump(const Args& args);
int runMake(const Args& args);
int runCheck(const Args& args);
int runImport(const Args& args);

// Prints "zarq-preset: MESSAGE" and a hint to stderr; returns 2.
int usageError(const std::string& message);

}  // namespace zarq::tool
