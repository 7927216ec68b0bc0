#pragma once
// How zarq-preset check prints what the editor would show: a table on a terminal, where a
// person reads it; tab-separated lines, or JSON, where a program does.

#include <optional>
#include <string>
#include <vector>

namespace zarq::tool {

// One message of the form, its field named as dump and make name it.
struct CheckMessage {
  int page;
  std::string field;
  std::string kind;  // "error", "warning" or "prompt"
  std::string status;
};

enum class CheckFormat { Table, Lines, Json };

// JSON when asked for, a table on a terminal, lines otherwise.
CheckFormat checkFormat(bool jsonAsked);

// The messages of the form: a table, one tab-separated line each, or a JSON array.
std::string formReport(const std::vector<CheckMessage>& messages, CheckFormat format);

// One preset's messages, or why it could not be read: a table under its name (nothing for
// an unreadable one, which the standard error names), or one line of JSON ({"input",
// "errors", "messages"} or {"input", "error"}) when not on a terminal.
std::string presetReport(const std::string& input,
                         const std::optional<std::vector<CheckMessage>>& messages,
                         const std::string& problem, CheckFormat format);

int errorsIn(const std::vector<CheckMessage>& messages);

}  // namespace zarq::tool
