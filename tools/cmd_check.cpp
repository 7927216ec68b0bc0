// zarq-preset check: every message the editor shows on pages 1 to 6, without a window.

#include <cstdio>
#include <filesystem>
#include <nlohmann/json.hpp>
#include <string>
#include <vector>

#include "args.h"
#include "commands.h"
#include "common/utf.h"
#include "editor/pages.h"
#include "headless_editor.h"
#include "preset_option.h"

namespace zarq::tool {
namespace {

struct Message {
  int page;
  std::string owner;  // "slot:N", "checkbox:N" or "option:N"
  std::string kind;   // "error", "warning" or "prompt"
  std::string status;
};

std::string ownerName(const StatusBubble& bubble) {
  const std::string id = std::to_string(bubble.ownerId);
  switch (bubble.ownerKind) {
    case OwnerKind::CheckBox:
      return "checkbox:" + id;
    case OwnerKind::OptionPair:
      return "option:" + id;
    default:
      return "slot:" + id;
  }
}

// The record reserved for the auto-fill offer.
constexpr int kPromptRecord = 0;

std::vector<Message> visibleMessages(const SettingsForm& form, int page) {
  std::vector<Message> out;
  for (int i = 0; i < kBubbleCount; ++i) {
    const StatusBubble& bubble = form.bubbles[i];
    if (!bubble.visible) continue;
    const char* kind = i == kPromptRecord ? "prompt" : bubble.isError ? "error" : "warning";
    out.push_back({page, ownerName(bubble), kind, toUtf8(bubble.status)});
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

}  // namespace

int runCheck(const Args& args) {
  const ParsedArgs parsed = parseArgs(args, {"--dir", kPresetOption}, {"--json"}, 0);
  if (!parsed.error.empty()) return usageError(parsed.error);
  const std::filesystem::path dir = pathArg(parsed.value("--dir", "."));
  std::error_code error;
  if (!std::filesystem::is_directory(dir, error))
    return usageError("no such folder: " + pathText(dir));

  HeadlessEditor editor(dir);
  if (!loadPresetOption(editor.form, parsed)) return 1;
  std::vector<Message> messages;
  for (int page = 1; page <= kPageCount; ++page) {
    showPage(editor.form, page);
    for (Message& m : visibleMessages(editor.form, page)) messages.push_back(std::move(m));
  }

  bool anyError = false;
  nlohmann::json json = nlohmann::json::array();
  for (const Message& m : messages) {
    anyError = anyError || m.kind == "error";
    if (parsed.has("--json")) {
      json.push_back(
          {{"page", m.page}, {"owner", m.owner}, {"kind", m.kind}, {"status", m.status}});
    } else {
      std::printf("%d\t%s\t%s\t%s\n", m.page, m.owner.c_str(), m.kind.c_str(),
                  oneLine(m.status).c_str());
    }
  }
  if (parsed.has("--json")) std::printf("%s\n", json.dump(2).c_str());
  return anyError ? 1 : 0;
}

}  // namespace zarq::tool
