// zarq-preset render: one page of the form as a PNG, drawn exactly as the window shows it.

#include <cstdio>
#include <filesystem>

#include "args.h"
#include "commands.h"
#include "editor/pages.h"
#include "form/preview.h"
#include "form/render_frame.h"
#include "headless_editor.h"
#include "preset_option.h"

namespace zarq::tool {

int runRender(const Args& args) {
  const ParsedArgs parsed = parseArgs(args, {"--page", "-o", "--dir", kPresetOption}, {}, 0);
  if (!parsed.error.empty()) return usageError(parsed.error);
  const std::optional<int> page = parsePage(parsed.value("--page"));
  if (!page) return usageError("render needs --page N with N from 1 to 6");
  if (!parsed.has("-o")) return usageError("render needs -o OUT.png");
  const std::filesystem::path dir = pathArg(parsed.value("--dir", "."));
  std::error_code error;
  if (!std::filesystem::is_directory(dir, error))
    return usageError("no such folder: " + pathText(dir));

  HeadlessEditor editor(dir);
  if (!loadPresetOption(editor.form, parsed)) return 1;
  showPage(editor.form, *page);
  // The window would show the picture once decoded; the tool waits for it.
  waitForPreview(editor.form);
  renderFrame(editor.form);
  const std::filesystem::path out = pathArg(parsed.value("-o"));
  if (!editor.headless.frame.writePng(out)) {
    std::fprintf(stderr, "zarq-preset: cannot write %s\n", pathText(out).c_str());
    return 1;
  }
  return 0;
}

}  // namespace zarq::tool
