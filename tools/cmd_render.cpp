// zarq-preset render: one page of the form as a PNG, drawn exactly as the window shows it.

#include <charconv>
#include <filesystem>
#include <optional>
#include <vector>

#include "args.h"
#include "commands.h"
#include "editor/closing.h"
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

int runRender(const ParsedArgs& parsed, FileSystem& files) {
  const std::optional<int> page = parsePage(parsed.value("--page"));
  if (!page) return usageError("render needs --page N with N from 1 to 6", "render");
  if (!parsed.has("--output")) return usageError("render needs -o OUT.png", "render");
  const std::filesystem::path out = pathArg(parsed.value("--output"));
  if (binaryToTerminal(out)) return 2;
  const std::optional<double> scale = parseScale(parsed.value("--scale", "1"));
  if (!scale) return usageError("--scale needs a number from 1 to 4", "render");
  const std::optional<std::filesystem::path> dir = formFolder(parsed);
  if (!dir) return 2;
  // The page is drawn from the folder's save.set and the --preset file: -o naming either
  // would replace a preset by its picture.
  std::vector<std::filesystem::path> presets{*dir / kSavedForm};
  if (parsed.has(kPresetOption)) presets.push_back(pathArg(parsed.value(kPresetOption)));
  for (const std::filesystem::path& preset : presets) {
    if (replacesInput(files, preset, out)) {
      return inputError(pathText(out) + ": not written: it is the preset the page is drawn from");
    }
  }

  ToolPlatform platform(osFileSystem());
  platform.headless.frame.setScale(*scale);
  HeadlessEditor editor(platform, *dir);
  if (!loadPresetOption(editor.form, parsed)) return 1;
  showPage(editor.form, *page);
  // The window would show the picture once decoded; the tool waits for it.
  waitForPreview(editor.form);
  renderFrame(editor.form);
  const std::string png = platform.headless.frame.pngBytes();
  if (png.empty()) return inputError(pathText(out) + ": the page could not be encoded as PNG");
  return writeOutput(files, out, {reinterpret_cast<const std::uint8_t*>(png.data()), png.size()})
             ? 0
             : 1;
}

constexpr Option kRenderOptions[] = {
    {"--page", nullptr, ValueKind::Page, "N", "the page to draw, 1 to 6"},
    {"--output", "-o", ValueKind::File, "OUT.png", "the PNG to write; - for standard output"},
    {"--scale", nullptr, ValueKind::Number, "S", "device pixels per pixel, 1 to 4 (default 1)"},
    {"--dir", nullptr, ValueKind::Folder, "DIR", "the folder the editor works in"},
    {kPresetOption, nullptr, ValueKind::File, "FILE", "a preset loaded over the form"},
};

constexpr Example kRenderExamples[] = {
    {"render --page 2 -o page2.png", "page 2 of the form of the current folder"},
    {"render --page=1 --preset charts/save.set --scale 2 -o page1@2x.png",
     "page 1 of a preset, judged in its own folder, for a display at 200 %"},
};

}  // namespace

const Command kRenderCommand{
    "render",
    "--page N -o OUT.png [--scale S] [--dir DIR] [--preset FILE]",
    "draw page N of the form as the editor shows it at start-up, as a PNG",
    "Draws one page (1 to 6) of the form as the editor's window shows it when started in\n"
    "DIR, with its save.set, chart and media. --preset loads FILE over it first; DIR is then\n"
    "FILE's folder unless --dir says otherwise, else the current folder. --scale draws the\n"
    "frame at that many device pixels per pixel (e.g. 2 for a display at 200 %). A PNG is\n"
    "written to standard output (-o -) only when that is no terminal.\n",
    kRenderOptions,
    0,
    ValueKind::None,
    kRenderExamples,
    runRender,
};

}  // namespace zarq::tool
