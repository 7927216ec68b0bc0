// zarq-preset dump: presets as JSON on standard output.

#include <filesystem>
#include <limits>

#include "args.h"
#include "commands.h"
#include "input_files.h"
#include "output.h"
#include "preset_json.h"

namespace zarq::tool {

int runDump(const Args& args, FileSystem& files) {
  const ParsedArgs parsed = parseArgs(args, {}, {}, std::numeric_limits<std::size_t>::max());
  if (!parsed.error.empty()) return usageError(parsed.error);
  if (parsed.positional.empty()) return usageError("dump needs a FILE.set or a folder");

  // One file prints the preset itself; anything more, one line per input.
  std::error_code error;
  const bool oneFile = parsed.positional.size() == 1 &&
                       !std::filesystem::is_directory(pathArg(parsed.positional[0]), error);
  const std::vector<std::filesystem::path> inputs = presetInputs(parsed.positional);
  if (inputs.empty())
    return inputError("no .set files in " + pathText(pathArg(parsed.positional[0])));
  bool failed = false;
  for (const std::filesystem::path& input : inputs) {
    const PresetInput read = readPresetInput(input);
    std::string line;
    if (!read.values) {
      failed = true;
      inputError(read.problem);
      if (!oneFile) line = jsonText({{"input", pathText(input)}, {"error", read.problem}}, -1);
    } else if (oneFile) {
      line = jsonText(presetToJson(*read.values), 2);
    } else {
      line = jsonText({{"input", pathText(input)}, {"preset", presetToJson(*read.values)}}, -1);
    }
    if (!line.empty() && !printOut(files, line + "\n")) return 1;
  }
  return failed ? 1 : 0;
}

}  // namespace zarq::tool
