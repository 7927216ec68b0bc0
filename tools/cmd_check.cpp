// zarq-preset check: every message the editor shows on pages 1 to 6, without a window.

#include <cstdio>
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
int checkPresets(const std::filesystem::path& dir, const std::vector<std::string>& args) {
  const std::vector<std::filesystem::path> inputs = presetInputs(args);
  if (inputs.empty()) return inputError("no .set files in " + args[0]);
  bool anyError = false;
  for (const std::filesystem::path& input : inputs) {
    const PresetRead read = readPresetInput(input);
    nlohmann::ordered_json line = {{"input", pathText(input)}};
    if (!read.values) {
      const std::string problem = describeFailure(input, read);
      inputError(problem);
      line["error"] = problem;
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
    std::printf("%s\n", jsonText(line, -1).c_str());
  }
  return anyError ? 1 : 0;
}

}  // namespace

int runCheck(const Args& args) {
  const ParsedArgs parsed = parseArgs(args, {"--dir", kPresetOption}, {"--json"},
                                      std::numeric_limits<std::size_t>::max());
  if (!parsed.error.empty()) return usageError(parsed.error);
  const std::filesystem::path dir = pathArg(parsed.value("--dir", "."));
  std::error_code error;
  if (!std::filesystem::is_directory(dir, error))
    return usageError("no such folder: " + pathText(dir));
  if (!parsed.positional.empty()) {
    if (parsed.has(kPresetOption)) return usageError("--preset goes with no other presets");
    return checkPresets(dir, parsed.positional);
  }

  HeadlessEditor editor(dir);
  if (!loadPresetOption(editor.form, parsed)) return 1;
  const std::vector<Message> messages = formMessages(editor.form);
  nlohmann::ordered_json json = nlohmann::ordered_json::array();
  for (const Message& m : messages) {
    if (parsed.has("--json")) {
      json.push_back(messageJson(m));
    } else {
      std::printf("%d\t%s\t%s\t%s\n", m.page, m.owner.c_str(), m.kind.c_str(),
                  oneLine(m.status).c_str());
    }
  }
  if (parsed.has("--json")) std::printf("%s\n", jsonText(json, 2).c_str());
  return errorsIn(messages) > 0 ? 1 : 0;
}

}  // namespace zarq::tool
