#pragma once
// A small command-line parser in the shell's habits: "--name value" and "--name=value", a
// short name beside some long ones ("-o"), flags, and operands; "--" ends the options. File
// names are taken byte for byte as given.

#include <filesystem>
#include <map>
#include <optional>
#include <set>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace zarq::tool {

using Args = std::vector<std::string>;

// What an option's value (or a command's operand) is, for the help and the shell's completion.
enum class ValueKind { None, File, Folder, Page, Number, Fields };

struct Option {
  const char* name;       // "--output"
  const char* shortName;  // "-o", or nullptr
  ValueKind value;        // None: a flag
  const char* valueName;  // "FILE", as the help shows the value
  const char* help;       // one line
};

// Every command also takes -h and --help.
inline constexpr Option kHelpOption{"--help", "-h", ValueKind::None, "", "print this help"};

struct ParsedArgs {
  std::map<std::string, std::string> values;  // by the option's long name
  std::set<std::string> flags;
  std::vector<std::string> positional;
  std::string error;  // empty when the arguments were understood

  bool has(const std::string& option) const { return values.count(option) || flags.count(option); }
  std::string value(const std::string& option, const std::string& fallback = {}) const {
    const auto found = values.find(option);
    return found == values.end() ? fallback : found->second;
  }
};

// Everything after "--" is positional, so that a file named "-x.set" can be given; "-" alone
// is one too (standard input or output). An unknown option is refused, naming the nearest one.
ParsedArgs parseArgs(const Args& args, std::span<const Option> options, std::size_t maxPositional);

// A file or folder named on the command line. On Linux an argument is the name's own bytes,
// whatever they are; on Windows it is the name's UTF-16 as argFromWide encodes it.
std::filesystem::path pathArg(const std::string& arg);
// A path as UTF-8 for messages and JSON: bytes that are no UTF-8 and control characters are
// written \xFF, a lone surrogate of a Windows name \uD800.
std::string pathText(const std::filesystem::path& path);
#ifdef _WIN32
// A Windows argument as bytes: UTF-8, where a surrogate without its other half is encoded as
// any other character is (three bytes), so that pathArg gives the name back exactly.
std::string argFromWide(std::wstring_view arg);
#endif

// A page number 1 to 6, or nullopt.
std::optional<int> parsePage(const std::string& text);

}  // namespace zarq::tool
