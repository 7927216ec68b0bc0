#include "output.h"

#include "args.h"
#include "commands.h"
#include "common/utf.h"
#include "files/atomic_file.h"
#include "files/file_errors.h"
#include "progress.h"
#include "terminal.h"

namespace zarq::tool {

bool writeOutput(FileSystem& files, const std::filesystem::path& file,
                 std::span<const std::uint8_t> bytes) {
  if (file == "-") {
    return printOut(files, {reinterpret_cast<const char*>(bytes.data()), bytes.size()});
  }
  const WriteOutcome outcome = writeFileAtomically(files, file, bytes);
  if (outcome) return true;
  std::string problem =
      pathText(file) + ": " + toUtf8(u"无法写入文件！") + ": " + fileErrorWords(outcome.error);
  if (outcome.restoreFailed) problem += "; written in place, its old content could not be put back";
  inputError(problem);
  return false;
}

bool binaryToTerminal(const std::filesystem::path& file) {
  if (file != "-" || !standardOutputIsTerminal()) return false;
  usageError(
      "not writing binary data to the terminal: name a file with -o FILE, or redirect the "
      "output (-o - >FILE)");
  return true;
}

bool printOut(FileSystem& files, std::string_view text) {
  // Output to the terminal the progress line is on takes the line.
  static const bool outputOnTerminal = standardOutputIsTerminal();
  if (outputOnTerminal) wipeProgress();
  const FileError error = files.write(
      files.standardOutput(), {reinterpret_cast<const std::uint8_t*>(text.data()), text.size()});
  if (error == FileError::None) return true;
  inputError(std::string("cannot write to standard output: ") + fileErrorWords(error));
  return false;
}

}  // namespace zarq::tool
