// zarq-preset dump: presets as JSON on standard output.

#include <cstdio>
#include <filesystem>
#include <limits>

#include "args.h"
#include "commands.h"
#include "files/preset_file.h"
#include "input_files.h"
#include "preset_json.h"

namespace zarq::tool {

int runDump(const Args& args) {
  const ParsedArgs parsed = parseArgs(args, {}, {}, std::numeric_limits<std::size_t>::max());
  if (!parsed.error.empty()) return usageError(parsed.error);
  if (parsed.positional.empty()) return usageError("dump needs a FILE.set or a folder");

  // One file prints the preset itself; anything more, one line per input.
  std::error_code error;
  const bool oneFile = parsed.positional.size() == 1 &&
                       !std::filesystem::is_directory(pathArg(parsed.positional[0]), error);
  const std::vector<std::filesystem::path> inputs = presetInputs(parsed.positional);
  if (inputs.empty()) return inputError("no .set files in " + parsed.positional[0]);
  bool failed = false;
  for (const std::filesystem::path& input : inputs) {
    const PresetRead read = readPresetInput(input);
    if (!read.values) {
      failed = true;
      const std::string problem = describeFailure(input, read);
      inputError(problem);
      if (!oneFile) {
        std::printf("%s\n", jsonText({{"input", pathText(input)}, {"error", problem}}, -1).c_str());
      }
    } else if (oneFile) {
      std::printf("%s\n", jsonText(presetToJson(*read.values), 2).c_str());
    } else {
      const nlohmann::ordered_json line = {{"input", pathText(input)},
                                           {"preset", presetToJson(*read.values)}};
      std::printf("%s\n", jsonText(line, -1).c_str());
    }
  }
  return failed ? 1 : 0;
}

}  // namespace zarq::tool
