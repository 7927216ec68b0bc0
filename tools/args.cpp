#include "args.h"

#include "common/paths.h"
#include "common/utf.h"

namespace zarq::tool {

ParsedArgs parseArgs(const Args& args, const std::set<std::string>& valued,
                     const std::set<std::string>& flags, std::size_t maxPositional) {
  ParsedArgs parsed;
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string& arg = args[i];
    if (valued.count(arg)) {
      if (i + 1 >= args.size()) {
        parsed.error = "option " + arg + " needs a value";
        return parsed;
      }
      parsed.values[arg] = args[++i];
    } else if (flags.count(arg)) {
      parsed.flags.insert(arg);
    } else if (!arg.empty() && arg[0] == '-' && arg != "-") {
      parsed.error = "unknown option " + arg;
      return parsed;
    } else if (parsed.positional.size() < maxPositional) {
      parsed.positional.push_back(arg);
    } else {
      parsed.error = "unexpected argument " + arg;
      return parsed;
    }
  }
  return parsed;
}

std::optional<int> parsePage(const std::string& text) {
  if (text.size() != 1 || text[0] < '1' || text[0] > '6') return std::nullopt;
  return text[0] - '0';
}

std::filesystem::path pathArg(const std::string& utf8) { return pathFromText(fromUtf8(utf8)); }

std::string pathText(const std::filesystem::path& path) { return toUtf8(textFromPath(path)); }

}  // namespace zarq::tool
