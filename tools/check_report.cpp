#include "check_report.h"

#include <algorithm>
#include <nlohmann/json.hpp>

#include "preset_json.h"
#include "terminal.h"

namespace zarq::tool {
namespace {

std::string padded(std::string text, std::size_t width) {
  text.resize(std::max(text.size(), width), ' ');
  return text;
}

// Field names and kinds are ASCII, so their bytes are their columns; the status line, which
// may be Chinese, comes last.
std::string table(const std::vector<CheckMessage>& messages, const std::string& indent) {
  if (messages.empty()) return indent + "no messages\n";
  std::size_t fieldWidth = 5;
  for (const CheckMessage& m : messages) fieldWidth = std::max(fieldWidth, m.field.size());
  std::string out = indent + "page  " + padded("field", fieldWidth) + "  kind     message\n";
  for (const CheckMessage& m : messages) {
    out += indent + padded(std::to_string(m.page), 4) + "  " + padded(m.field, fieldWidth) + "  " +
           padded(m.kind, 7) + "  " + plainLine(m.status) + "\n";
  }
  return out;
}

nlohmann::ordered_json messagesJson(const std::vector<CheckMessage>& messages) {
  nlohmann::ordered_json json = nlohmann::ordered_json::array();
  for (const CheckMessage& m : messages) {
    json.push_back({{"page", m.page}, {"field", m.field}, {"kind", m.kind}, {"status", m.status}});
  }
  return json;
}

std::string counted(int n, const char* what) {
  return std::to_string(n) + " " + what + (n == 1 ? "" : "s");
}

}  // namespace

CheckFormat checkFormat(bool jsonAsked) {
  if (jsonAsked) return CheckFormat::Json;
  return standardOutputIsTerminal() ? CheckFormat::Table : CheckFormat::Lines;
}

int errorsIn(const std::vector<CheckMessage>& messages) {
  return static_cast<int>(std::count_if(messages.begin(), messages.end(),
                                        [](const CheckMessage& m) { return m.kind == "error"; }));
}

std::string formReport(const std::vector<CheckMessage>& messages, CheckFormat format) {
  switch (format) {
    case CheckFormat::Table:
      return table(messages, "");
    case CheckFormat::Json:
      return jsonText(messagesJson(messages), 2) + "\n";
    case CheckFormat::Lines:
      break;
  }
  std::string out;
  for (const CheckMessage& m : messages) {
    out +=
        std::to_string(m.page) + "\t" + m.field + "\t" + m.kind + "\t" + plainLine(m.status) + "\n";
  }
  return out;
}

std::string presetReport(const std::string& input,
                         const std::optional<std::vector<CheckMessage>>& messages,
                         const std::string& problem, CheckFormat format) {
  if (format == CheckFormat::Table) {
    // The standard error has said why on the same terminal.
    if (!messages) return "";
    return input + ": " + counted(errorsIn(*messages), "error") + "\n" + table(*messages, "  ");
  }
  nlohmann::ordered_json line = {{"input", input}};
  if (!messages) {
    line["error"] = problem;
  } else {
    line["errors"] = errorsIn(*messages);
    line["messages"] = messagesJson(*messages);
  }
  return jsonText(line, -1) + "\n";
}

}  // namespace zarq::tool
