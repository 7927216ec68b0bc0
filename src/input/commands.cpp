#include "input/commands.h"

#include "form/pages.h"
#include "form/render_frame.h"
#include "form/settings_form.h"
#include "input/keyboard.h"

namespace zarq {
namespace {

// The page a page command selects; 0 for no page change.
int commandPage(const SettingsForm& form, int commandId) {
  const bool resultRecorded = form.checkBoxes[box::recordResult].checked;
  switch (commandId) {
    case command::page1: return 1;
    case command::page2: return 2;
    case command::page3: return 3;
    case command::page4: return resultRecorded ? 4 : 5;
    case command::page5: return resultRecorded ? 5 : 6;
    case command::page6: return resultRecorded ? 6 : 0;
    default: return 0;
  }
}

bool isPageCommand(int commandId) {
  return (commandId >= command::page1 && commandId <= command::page5) ||
         commandId == command::page6;
}

}  // namespace

void handleCommand(SettingsForm& form, int commandId) {
  if (isPageCommand(commandId)) {
    const int page = commandPage(form, commandId);
    // Ctrl+6 without the result part does nothing at all, not even end the editing.
    if (page == 0) return;
    if (form.interactionMode == InteractionMode::Editing) unfocusField(form, form.focusedField);
    showPage(form, page);
    renderFrame(form);
  }
}

}  // namespace zarq
