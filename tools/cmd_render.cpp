// zarq-preset render: one page of the form as a PNG, drawn exactly as the window shows it.

#include <charconv>
#include <filesystem>
#include <optional>

#include "args.h"
#include "commands.h"
#include "editor/pages.h"
#include "form/preview.h"
#include "form/render_frame.h"
#include "headless_editor.h"
#include "output.h"
#include "preset_option.h"

namespace zarq::tool {
namespace {

// A display's scale: 1 to 4 device pixels per pixel, fractions allowed (1.5).
std::optional<double> parseScale(const std::string& text) {
  double scale = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), scale);
  if (error != std::errc() || end != text.data() + text.size() || !(scale >= 1 && scale <= 4)) {
    return std::nullopt;
  }
  return scale;
}

}  // namespace

int runRender(const Args& args, FileSystem& files) {
  const ParsedArgs parsed =
      parseArgs(args, {"--page", "-o", "--dir", "--scale", kPresetOption}, {}, 0);
  if (!parsed.error.empty()) return usageError(parsed.error);
  const std::optional<int> page = parsePage(parsed.value("--page"));
  if (!page) return usageError("render needs --page N with N from 1 to 6");
  if (!parsed.has("-o")) return usageError("render needs -o OUT.png");
  const std::optional<double> scale = parseScale(parsed.value("--scale", "1"));
  if (!scale) return usageError("--scale needs a number from 1 to 4");
  const std::filesystem::path dir = pathArg(parsed.value("--dir", "."));
  std::error_code error;
  if (!std::filesystem::is_directory(dir, error))
    return usageError("no such folder: " + pathText(dir));

  HeadlessEditor editor(dir);
  editor.headless.frame.setScale(*scale);
  if (!loadPresetOption(editor.form, parsed)) return 1;
  showPage(editor.form, *page);
  // The window would show the picture once decoded; the tool waits for it.
  waitForPreview(editor.form);
  renderFrame(editor.form);
  const std::filesystem::path out = pathArg(parsed.value("-o"));
  const std::string png = editor.headless.frame.pngBytes();
  if (png.empty()) return inputError(pathText(out) + ": the page could not be encoded as PNG");
  return writeOutput(files, out, {reinterpret_cast<const std::uint8_t*>(png.data()), png.size()})
             ? 0
             : 1;
}

}  // namespace zarq::tool
