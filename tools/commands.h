#pragma once
// Subcommands of zarq-preset. Each takes the arguments after its name and returns the
// process exit code: 0 success, 1 a bad input file (or, for check, an error in the form),
// 2 bad arguments.

#include <string>
#include <vector>

#include "platform/file_system.h"

namespace zarq::tool {

using Args = std::vector<std::string>;

struct Command {
  const char* name;
  const char* usage;    // the arguments, after "zarq-preset NAME"
  const char* summary;  // one line
  const char* details;  // what `zarq-preset NAME --help` says after the usage
  int (*run)(const Args& args, FileSystem& files);
};

// Every command writes its files and its standard output through `files`.
int runRender(const Args& args, FileSystem& files);
int runDump(const Args& args, FileSystem& files);
int runMake(const Args& args, FileSystem& files);
int runCheck(const Args& args, FileSystem& files);
int runImport(const Args& args, FileSystem& files);

// The whole program: the command named first, with the arguments after it (UTF-8 text, and
// file names as argFromWide or the system gives them). Returns the exit code.
int runPreset(const Args& args, FileSystem& files);

// What `make --help` shows after its details: a complete preset of the editor's defaults.
std::string makeExample();

// Prints "zarq-preset: MESSAGE" and a hint to stderr; returns 2.
int usageError(const std::string& message);
// Prints "zarq-preset: MESSAGE" to stderr; returns 1.
int inputError(const std::string& message);

}  // namespace zarq::tool
