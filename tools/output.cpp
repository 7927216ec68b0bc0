#include "output.h"

#include <cstdio>

#include "args.h"
#include "commands.h"
#include "common/utf.h"
#include "files/atomic_file.h"
#include "files/file_errors.h"
#include "files/preset_history.h"
#include "progress.h"
#include "terminal.h"

namespace zarq::tool {
namespace {

// "-", or a link to the file standard output is (/dev/stdout, /dev/fd/1, as scripts name
// it): written as a file, the link would be replaced, its folder's (the system's /dev for
// root) holding the bytes and standard output none.
bool isStandardOutput(const std::filesystem::path& file) {
  return file == "-" || linksToStandardOutput(file);
}

}  // namespace

bool reportWrite(const std::filesystem::path& file, const WriteOutcome& outcome) {
  if (outcome) {
    if (outcome.notKept != FileError::None) {
      std::fprintf(stderr,
                   "zarq-preset: warning: %s: the preset it replaced could not be kept in its "
                   "history: %s\n",
                   pathText(file).c_str(), fileErrorWords(outcome.notKept));
    }
    if (outcome.unflushed != FileError::None) {
      std::fprintf(stderr,
                   "zarq-preset: warning: %s: written, but its folder could not be flushed to "
                   "the disk, so it may not survive a power cut: %s\n",
                   pathText(file).c_str(), fileErrorWords(outcome.unflushed));
    }
    return true;
  }
  std::string problem =
      pathText(file) + ": " + toUtf8(u"无法写入文件！") + ": " + fileErrorWords(outcome.error);
  if (outcome.restoreFailed) problem += "; written in place, its old content could not be put back";
  if (outcome.notKept != FileError::None) {
    problem +=
        "; it could only be written in place, and its old content could not be kept in "
        "its history first";
  }
  inputError(problem);
  return false;
}

bool replacesInput(FileSystem& files, const std::filesystem::path& input,
                   const std::filesystem::path& output) {
  FileStatus target, source;
  if (isStandardOutput(output) || files.resolvedStatus(output, target) != FileError::None) {
    return false;
  }
  if (input == "-") return standardInputIs(target);
  return files.resolvedStatus(input, source) == FileError::None &&
         source.kind == FileStatus::Kind::Regular && source.sameFileAs(target);
}

bool writeOutput(FileSystem& files, const std::filesystem::path& file,
                 std::span<const std::uint8_t> bytes) {
  if (isStandardOutput(file)) {
    return printOut(files, {reinterpret_cast<const char*>(bytes.data()), bytes.size()});
  }
  return reportWrite(file, writeFileAtomically(files, file, bytes));
}

bool writePreset(FileSystem& files, const std::filesystem::path& file,
                 std::span<const std::uint8_t> bytes) {
  if (isStandardOutput(file)) return writeOutput(files, file, bytes);
  return reportWrite(file, writeFileAtomically(files, file, bytes, Existing::Replace,
                                               historyKeeper(files, presetHistoryRoot(), file)));
}

bool binaryToTerminal(const std::filesystem::path& file) {
  if (!isStandardOutput(file) || !standardOutputIsTerminal()) return false;
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
