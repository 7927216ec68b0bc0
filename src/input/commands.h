#pragma once
// Keyboard accelerators: the editor's only commands.

namespace zarq {

struct SettingsForm;

namespace command {
enum : int {
  paste = 40001,
  page1 = 40003,
  page2 = 40004,
  page3 = 40005,
  page4 = 40006,
  page5 = 40007,
  page6 = 40017,
  save = 40009,
  saveAlternative = 40012,
  open = 40013,
  pageDialog = 40015,
};
}  // namespace command

void handleCommand(SettingsForm& form, int commandId);

}  // namespace zarq
