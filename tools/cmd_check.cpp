// zarq-preset check: every message the editor shows on pages 1 to 6, without a window.

#include <filesystem>
#include <limits>
#include <nlohmann/json.hpp>
#include <optional>
#include <string>
#include <vector>

#include "args.h"
#include "commands.h"
#include "common/utf.h"
#include "editor/pages.h"
#include "editor/preset_actions.h"
#include "files/preset_file.h"
#include "headless_editor.h"
#include "input_files.h"
#include "listing_cache.h"
#include "output.h"
#include "preset_json.h"
#include "preset_names.h"
#include "preset_option.h"
#include "progress.h"

namespace zarq::tool {
namespace {

struct Message {
  int page;
  std::string owner;  // "slot:N", "checkbox:N" or "option:N"
  std::string field;  // the owner's name, as dump and make call it
  std::string kind;   // "error", "warning" or "prompt"
  std::string status;
};

Message messageOf(const StatusBubble& bubble, int page, const char* kind) {
  const std::string id = std::to_string(bubble.ownerId);
  Message m{page, "slot:" + id, textName(bubble.ownerId), kind, toUtf8(bubble.status)};
  if (bubble.ownerKind == OwnerKind::CheckBox) {
    m.owner = "checkbox:" + id;
    m.field = checkBoxName(bubble.ownerId);
  } else if (bubble.ownerKind == OwnerKind::OptionPair) {
    m.owner = "option:" + id;
    m.field = optionPairName(bubble.ownerId).name;
  }
  return m;
}

// The record reserved for the auto-fill offer.
constexpr int kPromptRecord = 0;

std::vector<Message> visibleMessages(const SettingsForm& form, int page) {
  std::vector<Message> out;
  for (int i = 0; i < kBubbleCount; ++i) {
    const StatusBubble& bubble = form.bubbles[i];
    if (!bubble.visible) continue;
    const char* kind = i == kPromptRecord ? "prompt" : bubble.isError ? "error" : "warning";
    out.push_back(messageOf(bubble, page, kind));
  }
  return out;
}

// One message per line; a status line naming a file could carry a tab or a line break.
std::string oneLine(std::string text) {
  for (char& c : text) {
    if (c == '\t' || c == '\n' || c == '\r') c = ' ';
  }
  return text;
}

std::vector<Message> formMessages(SettingsForm& form) {
  std::vector<Message> messages;
  for (int page = 1; page <= kPageCount; ++page) {
    showPage(form, page);
    for (Message& m : visibleMessages(form, page)) messages.push_back(std::move(m));
  }
  return messages;
}

nlohmann::ordered_json messageJson(const Message& m) {
  return {{"page", m.page},
          {"owner", m.owner},
          {"field", m.field},
          {"kind", m.kind},
          {"status", m.status}};
}

int errorsIn(const std::vector<Message>& messages) {
  int errors = 0;
  for (const Message& m : messages) errors += m.kind == "error";
  return errors;
}

// Each preset checked in the folder it lies in (or `dir`), one line of JSON each; the forms
// share what one run loads, lists and measures.
int checkPresets(const std::optional<std::filesystem::path>& dir,
                 const std::vector<std::string>& args, FileSystem& files) {
  const std::vector<std::filesystem::path> inputs = presetInputs(args);
  if (inputs.empty()) return inputError("no .set files in " + pathText(pathArg(args[0])));
  ListingCache folders(osFileSystem());
  ToolPlatform platform(folders);
  Progress progress("checked", inputs.size());
  bool anyError = false;
  for (const std::filesystem::path& input : inputs) {
    const PresetInput read = readPresetInput(input);
    nlohmann::ordered_json line = {{"input", pathText(input)}};
    if (!read.values) {
      inputError(read.problem);
      line["error"] = read.problem;
      anyError = true;
    } else {
      HeadlessEditor editor(platform, dir ? *dir : folderOf(input));
      applyPreset(editor.form, *read.values, true);
      const std::vector<Message> messages = formMessages(editor.form);
      line["errors"] = errorsIn(messages);
      line["messages"] = nlohmann::ordered_json::array();
      for (const Message& m : messages) line["messages"].push_back(messageJson(m));
      anyError = anyError || errorsIn(messages) > 0;
    }
    if (!printOut(files, jsonText(line, -1) + "\n")) return 1;
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
    return checkPresets(dir, parsed.positional, files);
  }

  const std::optional<std::filesystem::path> dir = formFolder(parsed);
  if (!dir) return 2;
  ToolPlatform platform(osFileSystem());
  HeadlessEditor editor(platform, *dir);
  if (!loadPresetOption(editor.form, parsed)) return 1;
  const std::vector<Message> messages = formMessages(editor.form);
  std::string out;
  if (parsed.has("--json")) {
    nlohmann::ordered_json json = nlohmann::ordered_json::array();
    for (const Message& m : messages) json.push_back(messageJson(m));
    out = jsonText(json, 2) + "\n";
  } else {
    for (const Message& m : messages) {
      out +=
          std::to_string(m.page) + "\t" + m.owner + "\t" + m.kind + "\t" + oneLine(m.status) + "\n";
    }
  }
  if (!printOut(files, out)) return 1;
  return errorsIn(messages) > 0 ? 1 : 0;
}

constexpr Option kCheckOptions[] = {
    {"--dir", nullptr, ValueKind::Folder, "DIR", "the folder the editor works in"},
    {kPresetOption, nullptr, ValueKind::File, "FILE", "a preset loaded over the form"},
    {"--json", nullptr, ValueKind::None, "", "print the messages as a JSON array"},
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
    "Lists the messages the editor shows on pages 1 to 6 when started in DIR, one per line:\n"
    "page, owner, kind (error, warning or prompt) and status line; --json prints them as a\n"
    "JSON array. --preset loads FILE over the form. Given presets or folders (which stand\n"
    "for the .set files in them), checks each and prints one JSON document per line:\n"
    "{\"input\": FILE, \"errors\": N, \"messages\": [...]}, or {\"input\": FILE, \"error\":\n"
    "MESSAGE}. A preset is judged in the folder it lies in, with the chart and media there,\n"
    "unless --dir names another; without one, DIR is the current folder. Exits 1 if any\n"
    "has an error.\n",
    kCheckOptions,
    std::numeric_limits<std::size_t>::max(),
    ValueKind::File,
    kCheckExamples,
    runCheck,
};

}  // namespace zarq::tool
