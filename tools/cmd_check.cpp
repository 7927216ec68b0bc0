// zarq-preset check: every message the editor shows on pages 1 to 6, without a window.

#include <filesystem>
#include <limits>
#include <optional>
#include <string>
#include <vector>

#include "args.h"
#include "check_report.h"
#include "commands.h"
#include "common/utf.h"
#include "editor/pages.h"
#include "editor/preset_actions.h"
#include "files/preset_file.h"
#include "headless_editor.h"
#include "input_files.h"
#include "listing_cache.h"
#include "output.h"
#include "preset_names.h"
#include "preset_option.h"
#include "progress.h"

namespace zarq::tool {
namespace {

// A message names its field as dump and make do, whatever kind of control it hangs on.
CheckMessage messageOf(const StatusBubble& bubble, int page, const char* kind) {
  std::string field = textName(bubble.ownerId);
  if (bubble.ownerKind == OwnerKind::CheckBox) {
    field = checkBoxName(bubble.ownerId);
  } else if (bubble.ownerKind == OwnerKind::OptionPair) {
    field = optionPairName(bubble.ownerId).name;
  }
  return {page, field, kind, toUtf8(bubble.status)};
}

// The record reserved for the auto-fill offer.
constexpr int kPromptRecord = 0;

std::vector<CheckMessage> visibleMessages(const SettingsForm& form, int page) {
  std::vector<CheckMessage> out;
  for (int i = 0; i < kBubbleCount; ++i) {
    const StatusBubble& bubble = form.bubbles[i];
    if (!bubble.visible) continue;
    const char* kind = i == kPromptRecord ? "prompt" : bubble.isError ? "error" : "warning";
    out.push_back(messageOf(bubble, page, kind));
  }
  return out;
}

std::vector<CheckMessage> formMessages(SettingsForm& form) {
  std::vector<CheckMessage> messages;
  for (int page = 1; page <= kPageCount; ++page) {
    showPage(form, page);
    for (CheckMessage& m : visibleMessages(form, page)) messages.push_back(std::move(m));
  }
  return messages;
}

// Each preset checked in the folder it lies in (or `dir`); the forms share what one run
// lists and measures.
int checkPresets(const std::optional<std::filesystem::path>& dir,
                 const std::vector<std::string>& args, CheckFormat format, FileSystem& files) {
  bool anyError = false;
  const std::vector<std::filesystem::path> inputs = presetInputs(args, anyError);
  if (inputs.empty()) {
    return anyError ? 1 : inputError("no .set files in " + pathText(pathArg(args[0])));
  }
  ListingCache folders(osFileSystem());
  ToolPlatform platform(folders);
  Progress progress("checked", inputs.size());
  for (const std::filesystem::path& input : inputs) {
    const PresetInput read = readPresetInput(input);
    std::optional<std::vector<CheckMessage>> messages;
    if (!read.values) {
      inputError(read.problem);
      anyError = true;
    } else {
      HeadlessEditor editor(platform, dir ? *dir : folderOf(input));
      applyPreset(editor.form, *read.values, true);
      messages = formMessages(editor.form);
      anyError = anyError || errorsIn(*messages) > 0;
    }
    if (!printOut(files, presetReport(pathText(input), messages, read.problem, format))) return 1;
    progress.step();
  }
  return anyError ? 1 : 0;
}

int runCheck(const ParsedArgs& parsed, FileSystem& files) {
  if (!parsed.positional.empty()) {
    if (parsed.has(kPresetOption)) {
      return usageError("--preset goes with no other presets", "check");
    }
    std::optional<std::filesystem::path> dir;
    if (parsed.has("--dir") && !(dir = formFolder(parsed))) return 2;
    return checkPresets(dir, parsed.positional, checkFormat(parsed.has("--json")), files);
  }

  const std::optional<std::filesystem::path> dir = formFolder(parsed);
  if (!dir) return 2;
  ToolPlatform platform(osFileSystem());
  HeadlessEditor editor(platform, *dir);
  if (!loadPresetOption(editor.form, parsed)) return 1;
  const std::vector<CheckMessage> messages = formMessages(editor.form);
  if (!printOut(files, formReport(messages, checkFormat(parsed.has("--json"))))) return 1;
  return errorsIn(messages) > 0 ? 1 : 0;
}

constexpr Option kCheckOptions[] = {
    {"--dir", nullptr, ValueKind::Folder, "DIR", "the folder the editor works in"},
    {kPresetOption, nullptr, ValueKind::File, "FILE", "a preset loaded over the form"},
    {"--json", nullptr, ValueKind::None, "", "print JSON, also on a terminal"},
};

constexpr Example kCheckExamples[] = {
    {"check", "the messages of the form saved in the current folder"},
    {"check charts/", "every preset in charts/, each judged in charts/, a line of JSON each"},
};

}  // namespace

const Command kCheckCommand{
    "check",
    "[--dir DIR] [--preset FILE] [--json] [FILE.set|FOLDER...]",
    "list every message of pages 1 to 6 (exit 1 when any is an error)",
    "Lists the messages the editor shows on pages 1 to 6 when started in DIR: page, field\n"
    "(named as dump and make name it), kind (error, warning or prompt) and status line. On\n"
    "a terminal they form a table; otherwise each is a line of those four, tab-separated,\n"
    "and --json prints them as a JSON array. --preset loads FILE over the form. Given\n"
    "presets or folders (which stand for the .set files in them), checks each: on a\n"
    "terminal a table under its name, otherwise (and with --json) one JSON document per\n"
    "line: {\"input\": FILE, \"errors\": N, \"messages\": [...]}, or {\"input\": FILE,\n"
    "\"error\": MESSAGE}. A preset is judged in the folder it lies in, with the chart and media "
    "there,\n"
    "unless --dir names another; without one, DIR is the current folder. Exits 1 if any\n"
    "has an error.\n",
    kCheckOptions,
    std::numeric_limits<std::size_t>::max(),
    ValueKind::File,
    kCheckExamples,
    runCheck,
};

}  // namespace zarq::tool
