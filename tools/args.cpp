#include "args.h"

#include <cstdio>

#include "common/utf.h"
#include "nearest_word.h"

namespace zarq::tool {
namespace {

#ifdef _WIN32
// The inverse of argFromWide: UTF-8 whose three-byte forms may carry lone surrogates.
std::wstring wideFromArg(std::string_view arg) {
  std::wstring out;
  for (std::size_t i = 0; i < arg.size();) {
    const auto lead = static_cast<unsigned char>(arg[i]);
    const int extra = lead < 0x80 ? 0 : lead >= 0xF0 ? 3 : lead >= 0xE0 ? 2 : lead >= 0xC0 ? 1 : -1;
    char32_t cp = extra == 0 ? lead : lead & (0x3F >> extra);
    bool sound = extra >= 0 && i + extra < arg.size();
    for (int k = 1; sound && k <= extra; ++k) {
      const auto c = static_cast<unsigned char>(arg[i + k]);
      sound = (c & 0xC0) == 0x80;
      cp = (cp << 6) | (c & 0x3F);
    }
    if (!sound) {
      out.push_back(0xFFFD);
      ++i;
      continue;
    }
    i += static_cast<std::size_t>(extra) + 1;
    if (cp >= 0x10000) {
      out.push_back(static_cast<wchar_t>(0xD800 + ((cp - 0x10000) >> 10)));
      out.push_back(static_cast<wchar_t>(0xDC00 + ((cp - 0x10000) & 0x3FF)));
    } else {
      out.push_back(static_cast<wchar_t>(cp));
    }
  }
  return out;
}
#else
std::string escapedByte(unsigned char byte) {
  char escape[5];
  std::snprintf(escape, sizeof escape, "\\x%02X", byte);
  return escape;
}
#endif

}  // namespace

namespace {

const Option* findOption(std::span<const Option> options, std::string_view name) {
  for (const Option& option : options) {
    if (name == option.name || (option.shortName && name == option.shortName)) return &option;
  }
  if (name == kHelpOption.name || name == kHelpOption.shortName) return &kHelpOption;
  return nullptr;
}

std::string unknownOption(std::span<const Option> options, const std::string& arg) {
  std::vector<std::string> names{kHelpOption.name};
  for (const Option& option : options) names.push_back(option.name);
  const std::string name = arg.substr(0, arg.find('='));
  if (const std::optional<std::string> near = nearestWord(name, names)) {
    return "unknown option " + name + "; did you mean " + *near + "?";
  }
  return "unknown option " + arg + " (a file whose name begins with - comes after --)";
}

}  // namespace

ParsedArgs parseArgs(const Args& args, std::span<const Option> options, std::size_t maxPositional) {
  ParsedArgs parsed;
  bool optionsEnded = false;
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string& arg = args[i];
    if (!optionsEnded && arg == "--") {
      optionsEnded = true;
    } else if (!optionsEnded && arg.size() > 1 && arg[0] == '-') {
      // "--name=value" gives the value in the same word; a short name never does.
      const std::size_t equals = arg.rfind("--", 0) == 0 ? arg.find('=') : std::string::npos;
      const std::string name = arg.substr(0, equals);
      const Option* option = findOption(options, name);
      if (!option) {
        parsed.error = unknownOption(options, arg);
        return parsed;
      }
      if (option->value == ValueKind::None) {
        if (equals != std::string::npos) {
          parsed.error = "option " + name + " takes no value";
          return parsed;
        }
        parsed.flags.insert(option->name);
      } else if (equals != std::string::npos) {
        parsed.values[option->name] = arg.substr(equals + 1);
      } else if (i + 1 < args.size()) {
        parsed.values[option->name] = args[++i];
      } else {
        parsed.error = "option " + name + " needs a value";
        return parsed;
      }
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

#ifdef _WIN32
std::string argFromWide(std::wstring_view arg) {
  std::string out;
  for (std::size_t i = 0; i < arg.size(); ++i) {
    char32_t cp = arg[i];
    if (cp >= 0xD800 && cp <= 0xDBFF && i + 1 < arg.size() && arg[i + 1] >= 0xDC00 &&
        arg[i + 1] <= 0xDFFF) {
      cp = 0x10000 + ((cp - 0xD800) << 10) + (arg[i + 1] - 0xDC00);
      ++i;
    }
    appendUtf8(out, cp);
  }
  return out;
}

std::filesystem::path pathArg(const std::string& arg) { return wideFromArg(arg); }

std::string pathText(const std::filesystem::path& path) {
  const std::string encoded = argFromWide(path.native());
  std::string out;
  for (std::size_t i = 0; i < encoded.size(); ++i) {
    // A lone surrogate is the only three-byte form beginning ED A0..BF.
    const auto lead = static_cast<unsigned char>(encoded[i]);
    if (lead == 0xED && i + 2 < encoded.size() &&
        static_cast<unsigned char>(encoded[i + 1]) >= 0xA0) {
      char escape[8];
      const unsigned unit = 0xD000 | ((encoded[i + 1] & 0x3F) << 6) | (encoded[i + 2] & 0x3F);
      std::snprintf(escape, sizeof escape, "\\u%04X", unit);
      out += escape;
      i += 2;
    } else {
      out.push_back(encoded[i]);
    }
  }
  return out;
}
#else
std::filesystem::path pathArg(const std::string& arg) { return std::filesystem::path(arg); }

std::string pathText(const std::filesystem::path& path) {
  const std::string& bytes = path.native();
  std::string out;
  // Valid UTF-8 runs are kept; every byte that belongs to none is escaped, and so is every
  // control character, which a terminal would act on.
  for (std::size_t i = 0; i < bytes.size();) {
    const auto lead = static_cast<unsigned char>(bytes[i]);
    if (lead < 0x20 || lead == 0x7F) {
      out += escapedByte(lead);
      ++i;
      continue;
    }
    std::size_t end = i + 1;
    while (end <= bytes.size() && end - i <= 4 && !decodeUtf8(bytes.substr(i, end - i))) ++end;
    if (end <= bytes.size() && end - i <= 4) {
      out.append(bytes, i, end - i);
      i = end;
    } else {
      out += escapedByte(static_cast<unsigned char>(bytes[i]));
      ++i;
    }
  }
  return out;
}
#endif

}  // namespace zarq::tool
