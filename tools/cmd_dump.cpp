// zarq-preset dump: a preset file as JSON on standard output.

#include <cstdio>

#include "args.h"
#include "commands.h"
#include "common/utf.h"
#include "files/preset_file.h"
#include "preset_json.h"

namespace zarq::tool {

int runDump(const Args& args) {
  const ParsedArgs parsed = parseArgs(args, {}, {}, 1);
  if (!parsed.error.empty()) return usageError(parsed.error);
  if (parsed.positional.size() != 1) return usageError("dump needs one FILE.set");

  const PresetRead read = readPresetFile(pathArg(parsed.positional[0]));
  if (!read.values) {
    // The same words the editor shows, so scripts can tell the failures apart.
    std::fprintf(stderr, "%s\n", toUtf8(read.failure).c_str());
    return 1;
  }
  std::printf("%s\n", presetToJson(*read.values).dump(2).c_str());
  return 0;
}

}  // namespace zarq::tool
