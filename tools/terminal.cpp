#include "terminal.h"

#ifdef _WIN32
#include <windows.h>
#else
#include <sys/ioctl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace zarq::tool {
namespace {

#ifdef _WIN32
// Only a console has a console mode; _isatty would also take the NUL device for one.
bool isTerminal(DWORD stream) {
  DWORD mode = 0;
  return GetConsoleMode(GetStdHandle(stream), &mode) != 0;
}
#else
bool isTerminal(int stream) { return isatty(stream) == 1; }
#endif

}  // namespace

std::string plainLine(std::string text) {
  for (std::size_t i = 0; i < text.size(); ++i) {
    const auto byte = static_cast<unsigned char>(text[i]);
    if (byte < 0x20 || byte == 0x7F) {
      text[i] = ' ';
    } else if (byte == 0xC2 && i + 1 < text.size() &&
               static_cast<unsigned char>(text[i + 1]) <= 0x9F) {
      text.replace(i, 2, " ");
    }
  }
  return text;
}

#ifdef _WIN32
bool standardOutputIsTerminal() { return isTerminal(STD_OUTPUT_HANDLE); }
bool standardErrorIsTerminal() { return isTerminal(STD_ERROR_HANDLE); }
bool linksToStandardOutput(const std::filesystem::path&) { return false; }
bool standardInputIs(const FileStatus& status) {
  const HANDLE input = GetStdHandle(STD_INPUT_HANDLE);
  BY_HANDLE_FILE_INFORMATION info;
  return GetFileType(input) == FILE_TYPE_DISK && GetFileInformationByHandle(input, &info) &&
         status.device == info.dwVolumeSerialNumber &&
         status.node == ((std::uint64_t{info.nFileIndexHigh} << 32) | info.nFileIndexLow);
}
int standardErrorColumns() {
  CONSOLE_SCREEN_BUFFER_INFO info;
  if (!GetConsoleScreenBufferInfo(GetStdHandle(STD_ERROR_HANDLE), &info)) return 0;
  return info.srWindow.Right - info.srWindow.Left + 1;
}
#else
bool standardOutputIsTerminal() { return isTerminal(STDOUT_FILENO); }
bool standardErrorIsTerminal() { return isTerminal(STDERR_FILENO); }
bool linksToStandardOutput(const std::filesystem::path& file) {
  struct stat link, target, output;
  return ::lstat(file.c_str(), &link) == 0 && S_ISLNK(link.st_mode) &&
         ::stat(file.c_str(), &target) == 0 && ::fstat(STDOUT_FILENO, &output) == 0 &&
         target.st_dev == output.st_dev && target.st_ino == output.st_ino;
}
bool standardInputIs(const FileStatus& status) {
  struct stat input;
  return ::fstat(STDIN_FILENO, &input) == 0 && S_ISREG(input.st_mode) &&
         status.device == input.st_dev && status.node == input.st_ino;
}
int standardErrorColumns() {
  winsize size{};
  return ioctl(STDERR_FILENO, TIOCGWINSZ, &size) == 0 ? size.ws_col : 0;
}
#endif

}  // namespace zarq::tool
