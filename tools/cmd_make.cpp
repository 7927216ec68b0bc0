// zarq-preset make: a preset file from JSON, every missing value taken from a fresh form.

#include <cstdio>
#include <fstream>
#include <iterator>
#include <random>

#include "args.h"
#include "commands.h"
#include "common/utf.h"
#include "editor/preset_actions.h"
#include "files/preset_file.h"
#include "form/form_preset.h"
#include "headless_editor.h"
#include "preset_json.h"

namespace zarq::tool {
namespace {

namespace fs = std::filesystem;

// A folder of its own for the fresh form, so that no "save.set" lying around changes the
// defaults; removed again afterwards.
class EmptyFolder {
 public:
  EmptyFolder() {
    std::random_device seed;
    std::error_code ec;
    for (int attempt = 0; attempt < 16 && path_.empty(); ++attempt) {
      const fs::path candidate =
          fs::temp_directory_path(ec) / ("zarq-preset-" + std::to_string(seed()));
      if (!ec && fs::create_directory(candidate, ec)) path_ = candidate;
    }
  }
  ~EmptyFolder() {
    std::error_code ec;
    if (!path_.empty()) fs::remove_all(path_, ec);
  }
  EmptyFolder(const EmptyFolder&) = delete;
  EmptyFolder& operator=(const EmptyFolder&) = delete;

  const fs::path& path() const { return path_; }

 private:
  fs::path path_;
};

int failure(const std::string& message) {
  std::fprintf(stderr, "zarq-preset: %s\n", message.c_str());
  return 1;
}

// The library reports a position as "parse error at line L, column C: ..."; its own tag in
// brackets is of no use to the reader.
std::string parseErrorText(const nlohmann::json::parse_error& error) {
  const std::string what = error.what();
  const std::size_t tagEnd = what.find("] ");
  return tagEnd == std::string::npos ? what : what.substr(tagEnd + 2);
}

}  // namespace

int runMake(const Args& args) {
  const ParsedArgs parsed = parseArgs(args, {"-o"}, {}, 1);
  if (!parsed.error.empty()) return usageError(parsed.error);
  if (parsed.positional.size() != 1 || !parsed.has("-o")) {
    return usageError("make needs IN.json and -o OUT.set");
  }
  const fs::path input = pathArg(parsed.positional[0]);
  const fs::path output = pathArg(parsed.value("-o"));

  std::ifstream in(input, std::ios::binary);
  if (!in.is_open()) return failure("cannot read " + pathText(input));
  const std::string text{std::istreambuf_iterator<char>(in), {}};
  nlohmann::json json;
  try {
    json = nlohmann::json::parse(text);
  } catch (const nlohmann::json::parse_error& error) {
    return failure(pathText(input) + ": " + parseErrorText(error));
  }

  const EmptyFolder folder;
  if (folder.path().empty()) return failure("cannot create a temporary folder");
  HeadlessEditor editor(folder.path());
  PresetValues values = presetFromForm(editor.form);
  const std::string problem = overlayPresetJson(json, values);
  if (!problem.empty()) return failure(pathText(input) + ": " + problem);
  applyPreset(editor.form, values, true);
  if (!savePreset(editor.form, output, true)) return failure(toUtf8(u"无法写入文件！"));
  return 0;
}

}  // namespace zarq::tool
