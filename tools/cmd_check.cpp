// zarq-preset check: every message the editor shows on pages 1 to 6, without a window.

#include <filesystem>
#include <limits>
#include <nlohmann/json.hpp>
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
#include "output.h"
#include "preset_json.h"
#include "preset_names.h"
#include "preset_option.h"

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

// Each preset checked in the folder `dir`, one line of JSON each.
int checkPresets(const std::filesystem::path& dir, const std::vector<std::string>& args,
                 FileSystem& files) {
  const std::vector<std::filesystem::path> inputs = presetInputs(args);
  if (inputs.empty()) return inputError("no .set files in " + pathText(pathArg(args[0])));
  bool anyError = false;
  for (const std::filesystem::path& input : inputs) {
    const PresetInput read = readPresetInput(input);
    nlohmann::ordered_json line = {{"input", pathText(input)}};
    if (!read.values) {
      inputError(read.problem);
      line["error"] = read.problem;
      anyError = true;
    } else {
      HeadlessEditor editor(dir);
      applyPreset(editor.form, *read.values, true);
      const std::vector<Message> messages = formMessages(editor.form);
      line["errors"] = errorsIn(messages);
      line["messages"] = nlohmann::ordered_json::array();
      for (const Message& m : messages) line["messages"].push_back(messageJson(m));
      anyError = anyError || errorsIn(messages) > 0;
    }
    if (!printOut(files, jsonText(line, -1) + "\n")) return 1;
  }
  return anyError ? 1 : 0;
}

}  // namespace

int runCheck(const Args& args, FileSystem& files) {
  const ParsedArgs parsed = parseArgs(args, {"--dir", kPresetOption}, {"--json"},
                                      std::numeric_limits<std::size_t>::max());
  if (!parsed.error.empty()) return usageError(parsed.error);
  const std::filesystem::path dir = pathArg(parsed.value("--dir", "."));
  std::error_code error;
  if (!std::filesystem::is_directory(dir, error))
    return usageError("no such folder: " + pathText(dir));
  if (!parsed.positional.empty()) {
    if (parsed.has(kPresetOption)) return usageError("--preset goes with no other presets");
    return checkPresets(dir, parsed.positional, files);
  }

  HeadlessEditor editor(dir);
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

}  // namespace zarq::tool
