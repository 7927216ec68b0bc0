#pragma once
// One ATK object per described control: text fields give their text, caret and selection,
// sliders their value and range, buttons and boxes a click, all their place and states.

#include <atk/atk.h>
#include <gtk/gtk.h>

#include <functional>
#include <string>

#include "platform/accessibility.h"

namespace zarq::gtk {

// What a control object knows: its control as last described, its texts in UTF-8, and the
// page object it belongs to (which knows the drawing area).
struct ControlState {
  AccessibleControl control;
  std::string name, description, value;
  AtkObject* page = nullptr;
  int index = -1;                     // among the page's children; -1 while it is not shown
  AtkObject* errorMessage = nullptr;  // the message hanging on it, owned by the page
  std::function<bool(ControlRef)> activate;
};

// A new object of the type that fits the control's role, child of `page`.
AtkObject* newControlAccessible(const AccessibleControl& control, AtkObject* page,
                                std::function<bool(ControlRef)> activate);
ControlState& controlState(AtkObject* object);
// Takes the control's new description.
void updateControl(AtkObject* object, const AccessibleControl& control, AtkObject* errorMessage);

// UTF-16 units to ATK's character offsets.
int characterOffset(TextView text, int unit);

}  // namespace zarq::gtk
